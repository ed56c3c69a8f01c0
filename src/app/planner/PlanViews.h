#pragma once
// The tables and plots of the planning dialog: a read-only table of rows, a chart view, the
// series of a plot shown against titled axes, and a table as text to copy.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QChartView;
class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QObject;
class QTreeWidget;
class QWidget;
class QXYSeries;

namespace vantor {

class EventGuard;
class IUserInterface;

// The encumbrance bounds by LoadBound, as the dialogs name them.
inline constexpr const char* kBounds[] = {"None", "Light", "Medium", "No limit"};

// "From": every item the slot lists offer (entry 0), or the items the character owns (entry 1).
QComboBox* MakeFromBox(QWidget* parent, const char* name);
QTreeWidget* MakeTable(QWidget* parent, const char* name, const QStringList& headers);
QChartView* MakeChart(QWidget* parent, const char* name, const QString& title);
// Replaces the chart's series and axes with these; the axes are titled and span what they hold,
// the horizontal one exactly, from its first to its last value, with whole-number ticks.
void ShowSeries(QChartView* view, const std::vector<QXYSeries*>& series, const QString& xTitle, const QString& yTitle);
// A chart above a table, the chart taking most of the height, parted by a splitter the player drags.
QWidget* ChartOverTable(QWidget* parent, const char* name, QChartView* chart, QTreeWidget* table);
// The whole number a box holds (0 or more); nothing, after a message naming the box, otherwise.
std::optional<int32_t> ReadCount(IUserInterface& ui, QLineEdit* box, const QString& name, char sep);
// Whether a plan's range has a point and no more than a plan takes; else a message naming the boxes.
bool CheckPlanRange(IUserInterface& ui, QWidget* parent, int32_t from, int32_t to, int32_t step, const QString& what);
// What a plot says where the pointer rests on the series: tipAt of the point's x, or nothing.
void TipOnHover(EventGuard& events, QObject* context, QXYSeries* series, std::function<QString(double)> tipAt);
// "1 level", "2 levels".
QString Counted(qsizetype n, const QString& one, const QString& many);
// The header and every row, tab-separated, a line each.
QString TableText(const QTreeWidget& table);
// The buttons under a plan's table, right-aligned: "Cop&y" (the table as text), "&Export..." (the
// table as CSV) and, with a plot, "Export p&icture..."; named prefix + "Copy", "Export", "ExportPlot".
QHBoxLayout* TableButtons(QWidget* tab, EventGuard& events, IUserInterface& ui, char decimalSep, const char* prefix,
                          QTreeWidget* table, QChartView* plot);

}  // namespace vantor
