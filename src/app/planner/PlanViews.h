#pragma once
// The tables and plots of the planning dialog: a read-only table of rows, a chart view, the
// series of a plot shown against titled axes, and a table as text to copy.

#include <QString>
#include <QStringList>

#include <vector>

class QChartView;
class QTreeWidget;
class QWidget;
class QXYSeries;

namespace vantor {

QTreeWidget* MakeTable(QWidget* parent, const char* name, const QStringList& headers);
QChartView* MakeChart(QWidget* parent, const char* name, const QString& title);
// Replaces the chart's series and axes with these; the axes are titled and span what they hold,
// the horizontal one exactly, from its first to its last value, with whole-number ticks.
void ShowSeries(QChartView* view, const std::vector<QXYSeries*>& series, const QString& xTitle, const QString& yTitle);
// A chart above a table, the chart taking most of the height, parted by a splitter the player drags.
QWidget* ChartOverTable(QWidget* parent, const char* name, QChartView* chart, QTreeWidget* table);
// "1 level", "2 levels".
QString Counted(qsizetype n, const QString& one, const QString& many);
// The header and every row, tab-separated, a line each.
QString TableText(const QTreeWidget& table);

}  // namespace vantor
