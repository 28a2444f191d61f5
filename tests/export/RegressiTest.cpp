// The transfer to Regressi: finding its program through the options file (and the search
// when it is not there), the 16-column warning, the undefined-values question and its zeros,
// the clipboard hand-off with an empty date line, the start through Wine, and a real start
// of a stand-in program.

#include "export/support/ExportFixture.h"
#include "kinematics/Quantities.h"
#include "kit/IniFile.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QThread>

namespace kolibra::exporting::testing {

namespace {

using kinematics::qsAcceleration;
using kinematics::qsPolar;
using kinematics::qsVelocity;

class RegressiTest : public ExportFixture {
 protected:
  void SetUp() override {
    MarkTwoObjects();
    grids.SetKindsVisible(qsVelocity | qsAcceleration | qsPolar, false);
    desktop.Installed << QStringLiteral("wine");
  }

  // An executable file standing in for Regressi, its path stored in the options file.
  QString InstallRegressi(const QString &name = QStringLiteral("Regressi.exe")) {
    QDir(dir.path()).mkpath(QStringLiteral("drive_c/Regressi"));
    const QString path = dir.filePath(QStringLiteral("drive_c/Regressi/") + name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("MZ");
    file.close();
    EXPECT_TRUE(serveur.SaveRegressiPath(path));
    return path;
  }
  QString StoredPath() const {
    return TIniFile(options.FileName()).ReadString(QStringLiteral("ResultsForm"), QStringLiteral("Regressi"), "?");
  }
  QStringList Pasted() const {
    return clipboard.Texts.isEmpty() ? QStringList() : clipboard.Texts.constLast().split(QStringLiteral("\r\n"));
  }
};

TEST_F(RegressiTest, TheProgramIsTakenFromTheOptionsFile) {
  const struct {
    const char *Stored;
    bool Create;
    bool Accepted;
  } cases[] = {
      {"Regressi.exe", true, true},
      {"REGRESSI.EXE", true, true},
      {"Regressi.exe", false, false},  // moved away
      {"Other.exe", true, false},
  };
  for (const auto &c : cases) {
    const QString path = dir.filePath(QStringLiteral("programs/") + QString::fromUtf8(c.Stored));
    QDir(dir.path()).mkpath(QStringLiteral("programs"));
    QFile::remove(path);
    if (c.Create) {
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(serveur.SaveRegressiPath(path));
    EXPECT_EQ(serveur.LocateRegressi(), c.Accepted ? path : QString()) << c.Stored;
    QFile::remove(path);
  }
}

TEST_F(RegressiTest, NotFoundAsksForASearchAndStoresItsResult) {
  const QString moved = dir.filePath(QStringLiteral("gone/Regressi.exe"));
  ASSERT_TRUE(serveur.SaveRegressiPath(moved));
  FillServer();
  host.Found = dir.filePath(QStringLiteral("found/Regressi.exe"));
  boxes.Answer(0);  // Ok
  EXPECT_FALSE(serveur.LaunchRegressi(5));
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Icon, icInformation);
  EXPECT_EQ(boxes.Last().Buttons, (QStringList{QStringLiteral("Ok"), QStringLiteral("Cancel")}));
  EXPECT_EQ(boxes.Last().Text(),
            QStringLiteral("The copy was canceled because Regressi is not found.\n\nPlease follow the procedure:\n\n"
                           "• use the « Search » button in the next window\n"
                           "• if search is successful, use the button « Open »\n\n"
                           "Finally, restart the canceled copy (Edit > Copy and launch > Regressi)."));
  EXPECT_EQ(host.SearchFilters, QStringList{QStringLiteral("Regressi.exe|Regressi.exe")});
  EXPECT_EQ(StoredPath(), host.Found);
  EXPECT_TRUE(clipboard.Texts.isEmpty());
  EXPECT_TRUE(desktop.Started.empty());

  // "Cancel": the stored path is emptied and nothing is searched.
  boxes.Answer(1);
  EXPECT_FALSE(serveur.LaunchRegressi(5));
  EXPECT_EQ(host.SearchFilters.size(), 1);
  EXPECT_EQ(StoredPath(), QString());
}

TEST_F(RegressiTest, SixteenColumnsPassSeventeenAsk) {
  const QString regressi = InstallRegressi();
  FillServer();
  ASSERT_TRUE(serveur.LaunchRegressi(16));
  ASSERT_EQ(boxes.Count(), 2);  // the undefined values, then the report

  boxes.Answer(0);  // Cancel
  EXPECT_FALSE(serveur.LaunchRegressi(17));
  EXPECT_EQ(boxes.Last().Buttons, (QStringList{QStringLiteral("Cancel"), QStringLiteral("Ok")}));
  EXPECT_EQ(boxes.Last().Text(),
            QStringLiteral("Regressi does not accept more than 16 variables.\n\nThis could produce random results."));
  EXPECT_EQ(desktop.Started.size(), 1u);

  boxes.Answer(1);  // Ok
  FillServer();
  EXPECT_TRUE(serveur.LaunchRegressi(17));
  EXPECT_EQ(desktop.Started.size(), 2u);
  EXPECT_EQ(desktop.Started.back().Program, QStringLiteral("/usr/bin/wine"));
  EXPECT_EQ(desktop.Started.back().Arguments, QStringList{regressi});
}

// Lines 8 and 11 of the text form have empty cells (the second object is missing there).
TEST_F(RegressiTest, SubstituteWritesZerosFromTheFirstUndefinedLineOn) {
  InstallRegressi();
  FillServer();
  boxes.Answer(1);  // Substitute
  ASSERT_TRUE(serveur.LaunchRegressi(5));
  const TMessageRequest &question = boxes.Requests()[0];
  EXPECT_EQ(question.Icon, icWarning);
  EXPECT_EQ(question.Buttons, (QStringList{QStringLiteral("Continue"), QStringLiteral("Substitute")}));
  EXPECT_EQ(question.Text(), QStringLiteral("The datasheet contains non defined values.\n\n"
                                            "An old version of Regressi could misinterpret these data.\n\n"
                                            "Substitute non defined values by zeros?"));
  const QStringList expected = {
      "/opt/kolibra/bin/kolibra",
      "",  // no date: Regressi would take it for data
      "Grid rotation in the trigonometric direction : 0 rad",
      "t\tx1\ty1\tx2\ty2",
      "s\tm\tm\tm\tm",
      QStringLiteral("time\tAbscissa of point n°1\tOrdinates of point n°1\tAbscissa of point n°2\t"
                     "Ordinates of point n°2"),
      "0\t0\t0\t0\t0.05",
      "0.04\t0.01\t0\t0.02\t0.05",
      "0.08\t0.02\t0\t0\t0",  // two empty cells in a row, the last one included
      "0.12\t0.03\t0\t0.06\t0.05",
      "0.16\t0.04\t0\t0.08\t0.05",
      "0.2\t0.05\t0\t0\t0",
      "",  // after the last CR LF
  };
  EXPECT_EQ(Pasted(), expected);
  EXPECT_EQ(boxes.Last().Icon, icInformation);
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("Copy to clipboard complete.\n\nRegressi is starting: once its "
                                                "window is open, press Ctrl + V (or click Edit > Paste) in it.\n\n"
                                                "Columns are separated by tabulations."));
}

TEST_F(RegressiTest, ContinueLeavesTheCellsEmptyAndAsksOnce) {
  InstallRegressi();
  FillServer();
  boxes.Answer(0);  // Continue
  ASSERT_TRUE(serveur.LaunchRegressi(5));
  EXPECT_EQ(boxes.Count(), 2);  // one question for both lines, then the report
  const QStringList pasted = Pasted();
  ASSERT_EQ(pasted.size(), 13);
  EXPECT_EQ(pasted[8], QStringLiteral("0.08\t0.02\t0\t\t"));
  EXPECT_EQ(pasted[11], QStringLiteral("0.2\t0.05\t0\t\t"));
}

TEST_F(RegressiTest, NothingIsCopiedWhenTheProgramCannotStart) {
  InstallRegressi();
  FillServer();
  // No Wine: the Windows program cannot run; no question, no copy.
  desktop.Installed.clear();
  EXPECT_FALSE(serveur.LaunchRegressi(5));
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Icon, icWarning);
  EXPECT_EQ(boxes.Last().Lines[0].Text, QStringLiteral("An error occurred while launching Regressi."));
  EXPECT_TRUE(clipboard.Texts.isEmpty());

  // A refused clipboard: its own warning, and Regressi is not started for nothing.
  desktop.Installed << QStringLiteral("wine");
  clipboard.Accepts = false;
  EXPECT_FALSE(serveur.LaunchRegressi(5));
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("The file copy to the clipboard has failed."));
  EXPECT_TRUE(desktop.Started.empty());

  // The start itself fails.
  clipboard.Accepts = true;
  desktop.CanStart = false;
  FillServer();
  EXPECT_FALSE(serveur.LaunchRegressi(5));
  EXPECT_EQ(boxes.Last().Lines[0].Text, QStringLiteral("An error occurred while launching Regressi."));
}

// The real desktop starts a stand-in "wine" found on the PATH; it writes down what it was
// given. The text is on the system clipboard by then.
TEST_F(RegressiTest, AStandInProgramIsStartedWithRegressisPath) {
  const QString regressi = InstallRegressi();
  const QString bin = dir.filePath(QStringLiteral("bin"));
  ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("bin")));
  const QString record = dir.filePath(QStringLiteral("started.txt"));
  {
    QFile wine(bin + QStringLiteral("/wine"));
    ASSERT_TRUE(wine.open(QIODevice::WriteOnly));
    wine.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1.part' && mv '%1.part' '%1'\n").arg(record).toUtf8());
    wine.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", bin.toUtf8() + ":" + path);
  TSystemDesktop systemDesktop;
  TSystemClipboard systemClipboard;
  TServeur real(host, systemDesktop, systemClipboard, options.FileName(), TempFolder());
  QStringList lines;
  grids.FillText(lines, QStringLiteral("/opt/kolibra/bin/kolibra"), Now);
  for (const QString &line : lines) real.AddLine(line);
  boxes.Answer(1);  // Substitute
  const bool launched = real.LaunchRegressi(5);
  qputenv("PATH", path);
  ASSERT_TRUE(launched);

  QElapsedTimer waited;
  waited.start();
  while (!QFileInfo::exists(record) && waited.elapsed() < 20000) QThread::msleep(20);
  QFile started(record);
  ASSERT_TRUE(started.open(QIODevice::ReadOnly)) << "the stand-in never ran";
  EXPECT_EQ(QString::fromUtf8(started.readAll()), regressi);
  const QStringList pasted = QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"));
  ASSERT_EQ(pasted.size(), 13);
  EXPECT_EQ(pasted[1], QString());
  EXPECT_EQ(pasted[8], QStringLiteral("0.08\t0.02\t0\t0\t0"));
}

}  // namespace

}  // namespace kolibra::exporting::testing
