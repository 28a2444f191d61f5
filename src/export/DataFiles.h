#pragma once
// The results as data for programs rather than for spreadsheets: JSON, and a Jupyter
// notebook that holds the values and loads and plots them with pandas and matplotlib. Both
// are made from the matrix form (kinematics/ExportForms.h) and the export's information, so
// the datasheet and the formulas' table give them alike, from the window and kolibra-cli.
//
// JSON: {"video", "interval", "objects": [{"name", "mass"}], "columns": [{"symbol", "unit",
// "name", "object"}], "rows": [[numbers]]}, a mass or a value that does not exist being
// null. The notebook (nbformat 4) carries the CSV text (CsvBytes) in its first code cell.

#include "export/Workbook.h"
#include "kit/Types.h"

#include <QByteArray>

namespace kolibra::kinematics {
class TGrid;
}

namespace kolibra::exporting {

QByteArray JsonBytes(const TMatriceStr &matrix, const TExportInfo &info);
QByteArray NotebookBytes(const TMatriceStr &matrix, const TExportInfo &info);

// The objects of the grid's visible columns, in order, into info.ColumnObjects: the
// object's name, "centre of mass" or "total" for the pseudo-objects, empty for the time.
void DescribeColumns(const kinematics::TGrid &grid, TExportInfo &info);

}  // namespace kolibra::exporting
