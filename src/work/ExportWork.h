#pragma once
// kolibra-cli export: a work file's datasheet written to a file by its extension (".txt",
// ".csv", ".xlsx", ".ods"), loaded and computed by the program's own loader and written by the same
// function as the windows' exports. Numbers use "." whatever the user's region.

#include <QString>

class QTextStream;

namespace kolibra::work {

// The process exit status: 0 on success, 1 with the reason on err.
int ExportWork(const QString &workFile, const QString &output, QTextStream &err);

}  // namespace kolibra::work
