#include "export/windows/ExportWindowHost.h"

#include "export/FileSearch.h"
#include "export/windows/FileSearchDialog.h"
#include "mainwindow/FileNames.h"
#include "settings/Options.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace kolibra::exporting {

namespace export_window_host {

// The name the program proposes when no video is open.
const QString NoVideoName = QStringLiteral("Kolibra");

}  // namespace export_window_host

QString QtFileFilter(const QString &filter, QString *selected, int filterIndex) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString &description = parts[i];
    const QString mask = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << (description.contains(QLatin1Char('(')) ? description
                                                       : description + QStringLiteral(" (") + mask + QLatin1Char(')'));
  }
  if (selected != nullptr) *selected = filters.value(filterIndex - 1);
  return filters.join(QStringLiteral(";;"));
}

TExportWindowHost::TExportWindowHost(QWidget *parent, const settings::TOptions &options)
    : Parent(parent), Options(options) {}

QString TExportWindowHost::StartFolder() const {
  if (!Options.DefaultDirectory.isEmpty() && QFileInfo(Options.DefaultDirectory).isDir())
    return Options.DefaultDirectory;
  const QString recent = RecentFolder ? RecentFolder() : QString();
  if (!recent.isEmpty() && QFileInfo(recent).isDir()) return recent;
  return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString TExportWindowHost::AskSaveFileName(const TSaveDialogRequest &request) {
  const QString folder = StartFolder();
  QString name = request.ProposedName;
  if (name.isEmpty()) name = QFileInfo(ProposeFileName(folder, request.DefaultExtension)).fileName();
  if (!request.Prefix.isEmpty()) name = request.Prefix + QLatin1Char('_') + name;
  QString selected;
  const QString filter = QtFileFilter(request.Filter, &selected, request.FilterIndex);
  QFileDialog dialog(Parent, request.Title, QDir(folder).filePath(name), filter);
  dialog.setObjectName(QStringLiteral("SaveDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(request.DefaultExtension);
  // The export asks about an existing file itself, for the name it finally writes.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!selected.isEmpty()) dialog.selectNameFilter(selected);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().constFirst();
}

void TExportWindowHost::SetRecentFolder(const QString &folder) {
  if (OnRecentFolder) OnRecentFolder(folder);
}

QString TExportWindowHost::ProposeFileName(const QString &folder, const QString &extension) {
  const QString video = VideoFileName ? VideoFileName() : QString();
  const QString base = video.isEmpty() ? export_window_host::NoVideoName : QFileInfo(video).fileName();
  return mainwindow::ProposeFileName(folder, base, extension, true);
}

QString TExportWindowHost::SearchFile(const QString &filter) {
  TFileSearchDialog dialog(Parent);
  return dialog.Execute(filter, RegressiSearchFolders());
}

}  // namespace kolibra::exporting
