#pragma once
// "Export...": a table as a CSV file a spreadsheet reads, a plot as a PNG or SVG picture. Files are
// written whole or not at all; a file that cannot be written gets a message naming it.

#include <QString>

class QAbstractItemModel;
class QWidget;

namespace vantor {

class IUserInterface;

// The model's header and rows as CSV (UTF-8, comma-separated, a line per row): each cell as the
// table shows it, quoted when it holds a comma, a quote or a line break; a number written with
// decimalSep gets "." instead, whatever the locale.
QString CsvText(const QAbstractItemModel& model, char decimalSep);

// Asks where to save the model's rows as CSV and writes them there; the status line says where.
void ExportTable(QWidget& parent, IUserInterface& ui, const QAbstractItemModel& model, char decimalSep);
// Asks where to save a picture of the plot, at its size, as PNG or SVG by the name's extension.
void ExportPicture(QWidget& parent, IUserInterface& ui, QWidget& plot);

}  // namespace vantor
