#include "export/FileSearch.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace kolibra::exporting {

QString FilterMask(const QString &filter) {
  const qsizetype bar = filter.indexOf(QLatin1Char('|'));
  return bar < 0 ? filter : filter.mid(bar + 1);
}

QStringList FindFiles(const QString &mask, const QStringList &folders,
                      const std::function<bool(const QString &)> &visited) {
  const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(mask),
                                   QRegularExpression::CaseInsensitiveOption);
  QStringList found;
  QSet<QString> seen;
  for (const QString &root : folders) {
    // Breadth first, folder by folder, so that the caller can report progress and stop.
    QStringList pending{root};
    while (!pending.isEmpty()) {
      const QString folder = pending.takeFirst();
      if (visited && !visited(folder)) return found;
      const QDir dir(folder);
      const QFileInfoList entries =
          dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Readable, QDir::Name);
      for (const QFileInfo &entry : entries) {
        if (entry.isDir()) {
          if (!entry.isSymLink()) pending << entry.absoluteFilePath();
        } else if (pattern.match(entry.fileName()).hasMatch()) {
          const QString path = entry.canonicalFilePath();
          if (!seen.contains(path)) {
            seen.insert(path);
            found << entry.absoluteFilePath();
          }
        }
      }
    }
  }
  return found;
}

QStringList RegressiSearchFolders() {
  QStringList folders;
  const QString home = QDir::homePath();
  QString prefix = qEnvironmentVariable("WINEPREFIX");
  if (prefix.isEmpty()) prefix = home + QStringLiteral("/.wine");
  const QString driveC = prefix + QStringLiteral("/drive_c");
  if (QFileInfo(driveC).isDir()) folders << driveC;
  folders << home;
  return folders;
}

}  // namespace kolibra::exporting
