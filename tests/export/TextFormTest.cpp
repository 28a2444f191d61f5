// The text form as it leaves Kolibra: its exact bytes in a text file and on the clipboard
// (UTF-8, CR LF after every line, one tab between cells and none after the last), the text
// export's dialog, overwrite question and reports, and the clipboard's reports.

#include "support/FileBytes.h"
#include "export/ExportFiles.h"
#include "export/support/ExportFixture.h"
#include "kinematics/Quantities.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>

namespace kolibra::exporting::testing {

namespace {

using ::kolibra::testing::WriteBytes;
using kinematics::qsAcceleration;
using kinematics::qsPolar;
using kinematics::qsVelocity;

QByteArray ReadAll(const QString &fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}


// The datasheet of the fixture with its coordinates only, byte by byte: "°" is C2 B0.
const QByteArray CoordinatesBytes =
    "/opt/kolibra/bin/kolibra\r\n"
    "05032024 140709\r\n"
    "Grid rotation in the trigonometric direction : 0 rad\r\n"
    "t\tx1\ty1\tx2\ty2\r\n"
    "s\tm\tm\tm\tm\r\n"
    "time\tAbscissa of point n\xC2\xB0" "1\tOrdinates of point n\xC2\xB0" "1\t"
    "Abscissa of point n\xC2\xB0" "2\tOrdinates of point n\xC2\xB0" "2\r\n"
    "0\t0\t0\t0\t0.05\r\n"
    "0.04\t0.01\t0\t0.02\t0.05\r\n"
    "0.08\t0.02\t0\t\t\r\n"
    "0.12\t0.03\t0\t0.06\t0.05\r\n"
    "0.16\t0.04\t0\t0.08\t0.05\r\n"
    "0.2\t0.05\t0\t\t\r\n";

class TextFormTest : public ExportFixture {
 protected:
  void SetUp() override {
    MarkTwoObjects();
    grids.SetKindsVisible(qsVelocity | qsAcceleration | qsPolar, false);
  }
};

TEST_F(TextFormTest, TheBytesOfATextFile) {
  EXPECT_EQ(FillServer(), 5);
  const QString chosen = dir.filePath(QStringLiteral("sheet.txt"));
  host.Answer = chosen;
  ASSERT_TRUE(serveur.ExportToTextFile());
  EXPECT_EQ(ReadAll(chosen), CoordinatesBytes);

  // "²" is two bytes, C2 B2, in the units of the accelerations.
  grids.SetKindsVisible(qsAcceleration, true);
  FillServer();
  boxes.Answer(1);  // replace the first file
  ASSERT_TRUE(serveur.ExportToTextFile());
  EXPECT_EQ(boxes.Last().Lines[0].Text, QStringLiteral("Save to text file complete."));
  const QList<QByteArray> lines = ReadAll(chosen).split('\n');
  EXPECT_EQ(lines[4], QByteArray("s\tm\tm\tm\tm\tm/s\xC2\xB2\tm/s\xC2\xB2\tm/s\xC2\xB2\tm/s\xC2\xB2\tm/s\xC2\xB2\t"
                                 "m/s\xC2\xB2\r"));
}

TEST_F(TextFormTest, TheBytesOnTheClipboard) {
  FillServer();
  ASSERT_TRUE(serveur.CopyToClipboard(false));
  ASSERT_EQ(clipboard.Texts.size(), 1);
  EXPECT_EQ(clipboard.Texts[0].toUtf8(), CoordinatesBytes);
  EXPECT_EQ(boxes.Count(), 0);

  // The system clipboard under the offscreen platform: the plain text and its UTF-8 bytes.
  TSystemClipboard system;
  ASSERT_TRUE(system.SetText(clipboard.Texts[0]));
  const QMimeData *held = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(held->text().toUtf8(), CoordinatesBytes);
  EXPECT_EQ(held->data(QString::fromLatin1(Utf8TextMimeType)), CoordinatesBytes);
}

TEST_F(TextFormTest, ClipboardReports) {
  FillServer();
  ASSERT_TRUE(serveur.CopyToClipboard(true));
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Icon, icInformation);
  EXPECT_EQ(boxes.Last().Buttons, QStringList{QStringLiteral("Ok")});
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("Copy to clipboard complete.\n\n"
                                                "After closing this window, open a window and press Ctrl + V "
                                                "(or click Edit > Paste).\n\nColumns are separated by tabulations."));
  // A refused clipboard is reported even when no report was asked.
  clipboard.Accepts = false;
  EXPECT_FALSE(serveur.CopyToClipboard(false));
  ASSERT_EQ(boxes.Count(), 2);
  EXPECT_EQ(boxes.Last().Icon, icWarning);
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("The file copy to the clipboard has failed."));
}

TEST_F(TextFormTest, TheSaveDialogAndTheForcedExtension) {
  FillServer();
  host.Answer = dir.filePath(QStringLiteral("results.csv"));
  ASSERT_TRUE(serveur.ExportToTextFile());
  ASSERT_EQ(host.Requests.size(), 1u);
  const TSaveDialogRequest &request = host.Requests[0];
  EXPECT_EQ(request.Prefix, QStringLiteral("Datasheet"));
  EXPECT_TRUE(request.BaseName.isEmpty());
  EXPECT_EQ(request.FilterIndex, 1);
  EXPECT_EQ(request.Title, QStringLiteral("Export to text file"));
  EXPECT_EQ(request.Filter, QStringLiteral("Tab separated values (*.txt)|*.txt"));
  EXPECT_EQ(request.DefaultExtension, QStringLiteral("txt"));

  EXPECT_FALSE(QFileInfo::exists(host.Answer));
  EXPECT_EQ(ReadAll(dir.filePath(QStringLiteral("results.txt"))), CoordinatesBytes);
  EXPECT_EQ(host.RecentFolder, QFileInfo(dir.path()).absoluteFilePath());
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("Save to text file complete.\n\nFile has TXT extension."));

  // Cancelled: nothing written, nothing said.
  host.Answer.clear();
  EXPECT_FALSE(serveur.ExportToTextFile());
  EXPECT_EQ(boxes.Count(), 1);
}

// The name confirmed in the dialog was "old.csv"; the file written is "old.txt", which
// exists: the Save command's question decides, and "Cancel" keeps the old file whole.
TEST_F(TextFormTest, AForcedNameThatExistsIsReplacedOnlyAtTheUsersWord) {
  FillServer();
  const QString existing = dir.filePath(QStringLiteral("old.txt"));
  WriteBytes(existing, "keep me\r\n");
  host.Answer = dir.filePath(QStringLiteral("old.csv"));

  boxes.Answer(0);  // Cancel
  EXPECT_FALSE(serveur.ExportToTextFile());
  ASSERT_EQ(boxes.Count(), 1);
  const TMessageRequest &question = boxes.Last();
  EXPECT_EQ(question.Icon, icWarning);
  EXPECT_EQ(question.Buttons, (QStringList{QStringLiteral("Cancel"), QStringLiteral("Ok")}));
  ASSERT_EQ(question.Lines.size(), 3u);
  EXPECT_EQ(question.Lines[0].Text, QDir::toNativeSeparators(existing));
  EXPECT_EQ(question.Lines[0].Color, colors::clBlue);
  EXPECT_EQ(question.Lines[2].Text, QStringLiteral("A file with the same name already exists. Overwrite ?"));
  EXPECT_EQ(ReadAll(existing), QByteArray("keep me\r\n"));

  boxes.Answer(1);  // Ok
  EXPECT_TRUE(serveur.ExportToTextFile());
  EXPECT_EQ(ReadAll(existing), CoordinatesBytes);
  // No stray temporary file beside it.
  EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("old*")}, QDir::Files), QStringList{QStringLiteral("old.txt")});
}

TEST_F(TextFormTest, AFolderThatCannotBeWrittenIsReported) {
  FillServer();
  host.Answer = dir.filePath(QStringLiteral("missing/folder/sheet.txt"));
  EXPECT_FALSE(serveur.ExportToTextFile());
  EXPECT_EQ(boxes.Last().Icon, icWarning);
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("The file creation in the selected directory has failed.\n\n"
                                                "Check your access rights to this directory."));
  EXPECT_TRUE(host.RecentFolder.isEmpty());
}

TEST(ForceExtension, ReplacesOrAddsTheExtension) {
  const struct {
    const char *Name;
    const char *Expected;
  } cases[] = {
      {"/a/b.csv", "/a/b.txt"},     {"/a/b.TXT", "/a/b.txt"},   {"/a/b", "/a/b.txt"},
      {"/a/b.c.dat", "/a/b.c.txt"}, {"/a.d/b", "/a.d/b.txt"},  {"/a/b.", "/a/b.txt"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(ForceExtension(QString::fromUtf8(c.Name), QStringLiteral("txt")), QString::fromUtf8(c.Expected))
        << c.Name;
}

}  // namespace

}  // namespace kolibra::exporting::testing
