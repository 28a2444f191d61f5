// The work-file keys of the mark collections: the exact lines of a one-mark measurement,
// round trips of both collections, and what the reader does with odd files.

#include "kit/IniFile.h"
#include "kit/Locale.h"
#include "measurement/PolyContainer.h"
#include "measurement/RepereFixe.h"
#include "measurement/Transparent.h"
#include "measurement/support/FakeMarksHost.h"
#include "measurement/support/FakeViewPort.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolibra::measurement::marks_storage_test {

using testing::FakeMarksHost;
using testing::FakeViewPort;

class MarksStorageTest : public ::testing::Test {
 protected:
  QString IniPath() const { return dir.filePath(QStringLiteral("work.klb")); }
  void Point(TPolyContainer &collection, int frame, int order, TPointD position) {
    view.CurrentFrame = view.EditedFrame = frame;
    collection.SetCurrentMarkOrderNumber(order);
    collection.PointMark(position);
  }
  static void ExpectSameCollections(const TPolyContainer &a, const TPolyContainer &b) {
    EXPECT_TRUE(a.IsEqual(b));
    ASSERT_EQ(a.ContainersList().size(), b.ContainersList().size());
    for (size_t i = 0; i < a.ContainersList().size(); ++i)
      EXPECT_TRUE(a.ContainersList()[i]->IsEqual(*b.ContainersList()[i])) << "container " << i;
    ASSERT_EQ(a.MarksCount(), b.MarksCount());
  }

  ScopedDecimalSeparator separator{QLatin1Char('.')};
  QTemporaryDir dir;
  FakeMarksHost host;
  FakeViewPort view;
  TRepereFixe axes{host, view};
  TTransparent layer{host, view};
};

TEST_F(MarksStorageTest, OneMarkGivesTheWorkFilesLines) {
  TPolyMarqueImgRep marks(host, view, axes);
  Point(marks, 12, 0, TPointD(0.5, 0.25));
  TIniFile ini(IniPath());
  marks.SaveToIni(ini, QStringLiteral("Data"), QStringLiteral("Grid"));
  const QString text = ini.ToText();
  for (const char *line :
       {"MarksNumberPosition_Grid=0", "MarksIsAllDrawn_Grid=1", "MarksNumberToDraw_Grid=1",
        "CurrentMarkOrderNumber_Grid=0", "MarksNumberPerFrame_Grid=1", "SystemNamesNumber_Grid=1",
        "SystemName_Grid_0=of point n°1", "MarksContainersNumber_Grid=1", "MarksContainerFrameNumber_Grid_0=12",
        "MarksContainerMarkNumber_Grid_0=0", "MarksContainerMarksNumber_Grid_0=1", "MarkOrderNumber_Grid_0_0=0",
        "MarkXCoordinate_Grid_0_0=0.5", "MarkYCoordinate_Grid_0_0=0.25"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(line) + QLatin1Char('\n'))) << line;
  EXPECT_EQ(ini.Keys(QStringLiteral("Data")).first(), QStringLiteral("MarksNumberPosition_Grid"));
}

TEST_F(MarksStorageTest, FixedCollectionReadsBackAsWritten) {
  TPolyMarqueImgRep marks(host, view, axes);
  marks.SetMarksNumberPerFrame(2);
  marks.SetSystemName(0, QStringLiteral("ball"));
  Point(marks, 30, 0, TPointD(0.125, 0.5));
  Point(marks, 30, 1, TPointD(0.25, 0.75));
  Point(marks, 10, 0, TPointD(0.375, 0.1));
  Point(marks, 20, 1, TPointD(0.9, 0.95));
  marks.SetCurrentMarkOrderNumber(1);
  marks.MarksIsAllDrawn = false;
  marks.MarksNumberToDraw = 3;
  marks.MarksNumberPosition = 1;
  {
    TIniFile ini(IniPath());
    marks.SaveToIni(ini, QStringLiteral("Data"), QStringLiteral("Grid"));
    ASSERT_TRUE(ini.UpdateFile());
  }
  FakeMarksHost otherHost;
  TPolyMarqueImgRep read(otherHost, view, axes);
  read.LoadFromIni(TIniFile(IniPath()), QStringLiteral("Data"), QStringLiteral("Grid"));
  ExpectSameCollections(marks, read);
  EXPECT_EQ(read.SystemNames, (QStringList{"ball", "of point n°2"}));
  EXPECT_EQ(read.CurrentMarkOrderNumber, 1);
  EXPECT_FALSE(read.MarksIsAllDrawn);
  EXPECT_EQ(read.FindContainer(10)->MarksContainerMarkNumber, 0);
  EXPECT_DOUBLE_EQ(read.FindContainer(10)->FindMark(0)->GetAbsolutePosition().X, 0.375);
  // The reader tells the document about its objects, and records nothing.
  EXPECT_EQ(otherHost.ObjectsCounts, std::vector<int>{2});
  EXPECT_TRUE(otherHost.Base.Records.empty());
  for (int i = 0; i < read.MarksCount(); ++i) EXPECT_EQ(read.Mark(i)->ListIndex, i);
}

TEST_F(MarksStorageTest, LayerCollectionStoresPositionsOnTheLayer) {
  TPolyMarqueImgTsp marks(host, view, layer);
  layer.OrigineCurrent = TPointD(0.5, 0.5);
  Point(marks, 3, 0, TPointD(0.75, 0.25));
  marks.SetSystemName(1, QStringLiteral("trolley"));
  TIniFile ini(IniPath());
  marks.SaveToIni(ini, QStringLiteral("Data"), QStringLiteral("Layer"));
  EXPECT_EQ(ini.ReadString(QStringLiteral("Data"), QStringLiteral("MarkXCoordinate_Layer_0_0"), {}), "0.25");
  EXPECT_EQ(ini.ReadString(QStringLiteral("Data"), QStringLiteral("MarkYCoordinate_Layer_0_0"), {}), "-0.25");
  EXPECT_EQ(ini.ReadInteger(QStringLiteral("Data"), QStringLiteral("SystemNamesNumber_Layer"), 0), 2);
  EXPECT_EQ(ini.ReadInteger(QStringLiteral("Data"), QStringLiteral("MarksNumberPosition_Layer"), -1), 1);

  layer.OrigineCurrent = TPointD(0.1, 0.1);
  TPolyMarqueImgTsp read(host, view, layer);
  read.LoadFromIni(ini, QStringLiteral("Data"), QStringLiteral("Layer"));
  ExpectSameCollections(marks, read);
  EXPECT_EQ(read.SystemName(1), QStringLiteral("trolley"));
  EXPECT_DOUBLE_EQ(read.Mark(0)->GetRelativePosition().X, 0.25);
}

TEST_F(MarksStorageTest, CommaSeparatedFilesReadBack) {
  TPolyMarqueImgRep marks(host, view, axes);
  Point(marks, 2, 0, TPointD(0.625, 0.375));
  TIniFile ini(IniPath());
  {
    ScopedDecimalSeparator comma(QLatin1Char(','));
    marks.SaveToIni(ini, QStringLiteral("Data"), QStringLiteral("Grid"));
  }
  EXPECT_EQ(ini.ReadString(QStringLiteral("Data"), QStringLiteral("MarkXCoordinate_Grid_0_0"), {}), "0,625");
  TPolyMarqueImgRep read(host, view, axes);
  read.LoadFromIni(ini, QStringLiteral("Data"), QStringLiteral("Grid"));
  EXPECT_DOUBLE_EQ(read.Mark(0)->GetAbsolutePosition().X, 0.625);
}

TEST_F(MarksStorageTest, ReaderIgnoresStaleKeysAndDropsImpossibleMarks) {
  TIniFile ini(IniPath());
  const QString s = QStringLiteral("Data");
  ini.WriteInteger(s, "MarksNumberPerFrame_Grid", 1);
  ini.WriteInteger(s, "MarksContainersNumber_Grid", 2);
  // Container 0: two marks of object 0 and one of an object that does not exist.
  ini.WriteInteger(s, "MarksContainerFrameNumber_Grid_0", 4);
  ini.WriteInteger(s, "MarksContainerMarksNumber_Grid_0", 3);
  ini.WriteInteger(s, "MarkOrderNumber_Grid_0_0", 0);
  ini.WriteFloat(s, "MarkXCoordinate_Grid_0_0", 0.1);
  ini.WriteInteger(s, "MarkOrderNumber_Grid_0_1", 0);
  ini.WriteFloat(s, "MarkXCoordinate_Grid_0_1", 0.2);
  ini.WriteInteger(s, "MarkOrderNumber_Grid_0_2", 5);
  // Container 1 repeats frame 4 with nothing new; container 2 is left over from an older save.
  ini.WriteInteger(s, "MarksContainerFrameNumber_Grid_1", 4);
  ini.WriteInteger(s, "MarksContainerMarksNumber_Grid_1", 1);
  ini.WriteInteger(s, "MarksContainerFrameNumber_Grid_2", 9);
  ini.WriteInteger(s, "MarksContainerMarksNumber_Grid_2", 1);
  TPolyMarqueImgRep read(host, view, axes);
  read.LoadFromIni(ini, s, QStringLiteral("Grid"));
  EXPECT_EQ(read.ContainersList().size(), 1u);
  ASSERT_EQ(read.MarksCount(), 1);
  EXPECT_DOUBLE_EQ(read.Mark(0)->GetAbsolutePosition().X, 0.1);
  EXPECT_EQ(read.SystemNames, QStringList{DefaultSystemName(0)});
}

}  // namespace kolibra::measurement::marks_storage_test
