#pragma once
// A real datasheet for the export: two objects marked through the measurement document on a
// 25 frames-per-second video calibrated in millimetres per pixel. Object 1 moves 1 cm a frame
// along x; object 2, 5 cm higher, 2 cm a frame, and has no mark on the third and the last
// frames, so its cells are empty there (two tabs in a row, a tab at the end of a line).
// Beside it, the export server on doubles of its host, desktop and clipboard.

#include "export/Clipboard.h"
#include "export/Desktop.h"
#include "export/ExportHost.h"
#include "export/Serveur.h"
#include "kinematics/support/CalculFixture.h"

#include <QDir>
#include <QFileInfo>

namespace kolibra::exporting::testing {

class TFakeHost : public IExportHost {
 public:
  QString AskSaveFileName(const TSaveDialogRequest &request) override {
    Requests.push_back(request);
    return Answer;
  }
  void SetRecentFolder(const QString &folder) override { RecentFolder = folder; }
  QString ProposeFileName(const QString &folder, const QString &extension) override {
    return QDir(folder).filePath(QStringLiteral("Proposed_%1.").arg(++Proposals) + extension);
  }
  QString SearchFile(const QString &filter) override {
    SearchFilters << filter;
    return Found;
  }

  QString Answer;  // the save dialog's answer
  QString Found;   // the file search's answer
  std::vector<TSaveDialogRequest> Requests;
  QString RecentFolder;
  QStringList SearchFilters;
  int Proposals = 0;
};

class TFakeDesktop : public IDesktop {
 public:
  struct TCall {
    QString Program;
    QStringList Arguments;
  };
  bool OpenDocument(const QString &fileName) override {
    Opened << fileName;
    return CanOpen;
  }
  bool StartProgram(const QString &program, const QStringList &arguments) override {
    Started.push_back({program, arguments});
    return CanStart;
  }
  QString FindProgram(const QString &name) const override {
    return Installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
  }

  QStringList Installed;
  bool CanOpen = true;
  bool CanStart = true;
  QStringList Opened;
  std::vector<TCall> Started;
};

class TFakeClipboard : public IClipboard {
 public:
  bool SetText(const QString &text) override {
    Texts << text;
    return Accepts;
  }
  bool Accepts = true;
  QStringList Texts;
};

class ExportFixture : public kinematics::testing::CalculFixture {
 protected:
  static constexpr int Samples = 6;

  void MarkTwoObjects() {
    Calibrate();
    PlaceMarks(
        2, Samples, [](int o, int k) { return TPointD(0.01 * (o + 1) * k, 0.05 * o); },
        [](int o, int k) { return !(o == 1 && (k == 2 || k == Samples - 1)); });
    ASSERT_TRUE(ComputeAll(0));
  }

  // The text form of the datasheet, filled into the server as the results window fills it.
  int FillServer(const QString &firstLine = QStringLiteral("/opt/kolibra/bin/kolibra")) {
    QStringList lines;
    const int columns = grids.FillText(lines, firstLine, Now);
    serveur.ClearLines();
    for (const QString &line : lines) serveur.AddLine(line);
    return columns;
  }

  TExportInfo Info() const {
    TExportInfo info;
    info.VideoFileName = QStringLiteral("/home/pupil/videos/ball.avi");
    info.FrameInterval = data.FrameInterval();
    info.ScaleX = info.ScaleY = MetresPerPixel;
    info.AxisAngle = data.XAxisAngle();
    info.Date = Now;
    return info;
  }

  QString TempFolder() const { return dir.filePath(QStringLiteral("tmp")); }

  const QDateTime Now{QDate(2024, 3, 5), QTime(14, 7, 9)};
  TFakeHost host;
  TFakeDesktop desktop;
  TFakeClipboard clipboard;
  bool folderMade = QDir(dir.path()).mkpath(QStringLiteral("tmp"));
  TServeur serveur{host, desktop, clipboard, options.FileName(), TempFolder()};
};

}  // namespace kolibra::exporting::testing
