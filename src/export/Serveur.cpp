// TServeur: the text form, the clipboard, the text file and Regressi's stored path.

#include "export/Serveur.h"

#include "export/Clipboard.h"
#include "export/ExportFiles.h"
#include "export/ExportHost.h"
#include "export/ExportTexts.h"
#include "kit/IniFile.h"
#include "kit/MessageBox.h"

#include <QDir>
#include <QFileInfo>

namespace kolibra::exporting {

namespace serveur_impl {

constexpr int ReservedLines = 1024;

// The Save command's question before replacing a file: true to replace it.
bool ConfirmOverwrite(const QString &fileName) {
  TMessageBox box(icWarning);
  box.AddButton(texts::Cancel()).AddButton(texts::Ok());
  box.AddFileName(QDir::toNativeSeparators(fileName)).AddEmptyLine().AddLine(texts::OverwriteQuestion());
  return box.Execute() == 1;
}

// The save dialog of the datasheet's exports: its prefix, the text form offered first.
TSaveDialogRequest DatasheetRequest(const QString &title, const QString &filter) {
  TSaveDialogRequest request;
  request.Prefix = texts::DatasheetPrefix();
  request.FilterIndex = 1;
  request.Title = title;
  request.Filter = filter;
  request.DefaultExtension = texts::TextFileExtension();
  return request;
}

}  // namespace serveur_impl

TServeur::TServeur(IExportHost &host, IDesktop &desktop, IClipboard &clipboard, const QString &optionsFileName,
                   const QString &temporaryFolder)
    : Host(host),
      Desktop(desktop),
      Clipboard(clipboard),
      OptionsFileName(optionsFileName),
      TemporaryFolder(temporaryFolder) {
  ClearLines();
}

void TServeur::ClearLines() {
  ExportLines.clear();
  ExportLines.reserve(serveur_impl::ReservedLines);
}

void TServeur::AddLine(const QString &text) { ExportLines << text; }

bool TServeur::CopyToClipboard(bool report) {
  if (!Clipboard.SetText(TextFormText(ExportLines))) {
    ShowWarning({texts::CopyFailed()});
    return false;
  }
  if (report)
    ShowInformation({texts::CopyComplete(), QString(), texts::CopyPasteHint(), QString(), texts::ColumnsSeparated()});
  return true;
}

bool TServeur::ExportToTextFile() {
  using serveur_impl::DatasheetRequest;
  const QString chosen = Host.AskSaveFileName(DatasheetRequest(texts::TextFileTitle(), texts::TextFileFilter()));
  if (chosen.isEmpty()) return false;
  // The extension is forced after the dialog, which may have confirmed another name: the
  // question about an existing file is asked here, for the name actually written.
  return WriteTextFile(ForceExtension(chosen, texts::TextFileExtension()));
}

bool TServeur::WriteTextFile(const QString &fileName) {
  using namespace serveur_impl;
  if (QFileInfo::exists(fileName) && !ConfirmOverwrite(fileName)) return false;
  if (!WriteTextForm(fileName, ExportLines)) {
    ShowWarning({texts::FileCreationFailed(), QString(), texts::CheckAccessRights()});
    return false;
  }
  Host.SetRecentFolder(QFileInfo(fileName).absolutePath());
  ShowInformation({texts::TextFileSaved(), QString(), texts::TextFileExtensionReport()});
  return true;
}

bool TServeur::ExportDatasheet(const TMatriceStr &matrix, const TExportInfo &info) {
  using namespace serveur_impl;
  const QString chosen =
      Host.AskSaveFileName(DatasheetRequest(texts::DatasheetFileTitle(), texts::DatasheetFileFilter()));
  if (chosen.isEmpty()) return false;
  // The text form for ".txt" and for any name no other format writes.
  if (chosen.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) || !IsDatasheetFileName(chosen))
    return WriteTextFile(ForceExtension(chosen, texts::TextFileExtension()));
  if (QFileInfo::exists(chosen) && !ConfirmOverwrite(chosen)) return false;
  QString error;
  if (!ExportToFile(chosen, ExportLines, matrix, info, error)) {
    ShowWarning({texts::FileCreationFailed(), QString(), texts::CheckAccessRights()});
    return false;
  }
  Host.SetRecentFolder(QFileInfo(chosen).absolutePath());
  ShowInformation({texts::DatasheetFileSaved(), QString(), QDir::toNativeSeparators(chosen)});
  return true;
}

bool TServeur::SaveRegressiPath(const QString &path) {
  TIniFile ini(OptionsFileName);
  ini.WriteString(QLatin1String(RegressiSection), QLatin1String(RegressiKey), path);
  return ini.UpdateFile();
}

QString TServeur::LocateRegressi() const {
  const TIniFile ini(OptionsFileName);
  const QString path = ini.ReadString(QLatin1String(RegressiSection), QLatin1String(RegressiKey), QString());
  const QFileInfo file(path);
  if (path.isEmpty() || !file.isFile()) return QString();
  if (file.fileName().compare(QLatin1String("Regressi.exe"), Qt::CaseInsensitive) != 0) return QString();
  return path;
}

}  // namespace kolibra::exporting
