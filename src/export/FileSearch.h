#pragma once
// The search behind the file-search dialog: files whose name matches a mask, ignoring case,
// anywhere below a few folders. Regressi, a Windows program, is looked for in the Wine
// prefix first, then in the home folder.

#include <QString>
#include <QStringList>

#include <functional>

namespace kolibra::exporting {

// The mask of a filter "description|mask" (the whole filter when it has no "|").
QString FilterMask(const QString &filter);

// Files below the folders (recursively, hidden folders and symbolic links to folders
// skipped) whose name matches mask (wildcards allowed, case ignored), each found once, in
// the order met. visited is called for every folder entered and may stop the search by
// returning false.
QStringList FindFiles(const QString &mask, const QStringList &folders,
                      const std::function<bool(const QString &folder)> &visited = {});

// Where Regressi is looked for: the Wine prefix's drive C (WINEPREFIX, else ~/.wine) when
// it exists, then the home folder.
QStringList RegressiSearchFolders();

}  // namespace kolibra::exporting
