#include "export/windows/ExportWindowHost.h"

#include "export/FileSearch.h"
#include "export/windows/FileSearchDialog.h"
#include "kit/SaveDialogRule.h"
#include "settings/Options.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace kolibra::exporting {

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

QString FilterSuffix(const QString &qtFilter) {
  static const QRegularExpression mask(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
  const QRegularExpressionMatch match = mask.match(qtFilter);
  return match.hasMatch() ? match.captured(1) : QString();
}

TExportWindowHost::TExportWindowHost(QWidget *parent, const settings::TOptions &options)
    : Parent(parent), Options(options) {}

TSaveDialogStart TExportWindowHost::PrepareDialog(const TSaveDialogRequest &request) const {
  TSaveFileRequest save;
  save.Title = request.Title;
  save.DefaultExtension = request.DefaultExtension;
  save.BaseName = request.BaseName;
  save.Prefix = request.Prefix;
  return PrepareSaveDialog(save, Options.DefaultDirectory, RecentFolder ? RecentFolder() : QString(),
                           VideoFileName ? VideoFileName() : QString());
}

QString TExportWindowHost::AskSaveFileName(const TSaveDialogRequest &request) {
  const TSaveDialogStart start = PrepareDialog(request);
  QString selected;
  const QString filter = QtFileFilter(request.Filter, &selected, request.FilterIndex);
  QFileDialog dialog(Parent, request.Title, QDir(start.Folder).filePath(start.Proposed), filter);
  dialog.setObjectName(QStringLiteral("SaveDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // A name typed without an extension takes the one of the format chosen in the list.
  dialog.setDefaultSuffix(FilterSuffix(selected).isEmpty() ? request.DefaultExtension : FilterSuffix(selected));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &request](const QString &chosen) {
    const QString suffix = FilterSuffix(chosen);
    dialog.setDefaultSuffix(suffix.isEmpty() ? request.DefaultExtension : suffix);
  });
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
  const QString base = video.isEmpty() ? NoVideoBaseName() : QFileInfo(video).fileName();
  return kolibra::ProposeFileName(folder, base, extension, true);
}

QString TExportWindowHost::SearchFile(const QString &filter) {
  TFileSearchDialog dialog(Parent);
  return dialog.Execute(filter, RegressiSearchFolders());
}

}  // namespace kolibra::exporting
