#include "app/planner/PlanViews.h"

#include "app/common/Bytes.h"
#include "app/common/EventGuard.h"
#include "app/common/Export.h"
#include "app/common/StatusLine.h"
#include "app/common/UserInterface.h"
#include "app/common/Widgets.h"
#include "data/Decimal.h"
#include "equipment/UpgradePath.h"

#include <QChartView>
#include <QComboBox>
#include <QCursor>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSplitter>
#include <QToolTip>
#include <QTreeWidget>
#include <QValueAxis>

#include <algorithm>
#include <limits>

namespace vantor {

QComboBox* MakeFromBox(QWidget* parent, const char* name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems({"Every item the slot lists offer", "Only the items the character owns"});
    box->setToolTip("Plan from every item, or from what the active character owns (marked with \"I own this\").");
    return box;
}

QTreeWidget* MakeTable(QWidget* parent, const char* name, const QStringList& headers)
{
    auto* table = new QTreeWidget(parent);
    table->setObjectName(name);
    table->setHeaderLabels(headers);
    table->setRootIsDecorated(false);
    table->setUniformRowHeights(true);
    table->setMinimumHeight(5 * table->fontMetrics().height());
    return table;
}

QChartView* MakeChart(QWidget* parent, const char* name, const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart, parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(180);
    return view;
}

void ShowSeries(QChartView* view, const std::vector<QXYSeries*>& series, const QString& xTitle, const QString& yTitle)
{
    QChart* chart = view->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    auto* x = new QValueAxis;
    auto* y = new QValueAxis;
    x->setTitleText(xTitle);
    y->setTitleText(yTitle);
    x->setLabelFormat("%d");
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    double x0 = std::numeric_limits<double>::max(), x1 = -x0, y0 = x0, y1 = -x0;
    for (QXYSeries* s : series) {
        chart->addSeries(s);
        s->attachAxis(x);
        s->attachAxis(y);
        for (const QPointF& p : s->points()) {
            x0 = std::min(x0, p.x());
            x1 = std::max(x1, p.x());
            y0 = std::min(y0, p.y());
            y1 = std::max(y1, p.y());
        }
    }
    if (x0 > x1) return;  // nothing to draw
    const double pad = std::max(1.0, (y1 - y0) * 0.05);
    // The horizontal axis ends where the plan does, ticked at whole numbers: a step of 1, 2 or 5
    // times a power of ten, about ten ticks at most.
    if (x1 <= x0) x1 = x0 + 1;
    double step = 1;
    for (double unit = 1; (x1 - x0) / step > 10; unit *= 10)
        for (const double m : {1.0, 2.0, 5.0, 10.0})
            if ((x1 - x0) / step > 10) step = m * unit;
    x->setRange(x0, x1);
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(x0);
    x->setTickInterval(step);
    y->setRange(y0 - pad, y1 + pad);
    y->applyNiceNumbers();
}

QWidget* ChartOverTable(QWidget* parent, const char* name, QChartView* chart, QTreeWidget* table)
{
    auto* split = new QSplitter(Qt::Vertical, parent);
    split->setObjectName(name);
    split->setChildrenCollapsible(false);
    split->addWidget(chart);
    split->addWidget(table);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    split->setSizes({360, 120});
    return split;
}

QString Counted(qsizetype n, const QString& one, const QString& many)
{
    return QString("%1 %2").arg(n).arg(n == 1 ? one : many);
}

QHBoxLayout* TableButtons(QWidget* tab, EventGuard& events, IUserInterface& ui, char decimalSep, const char* prefix,
                          QTreeWidget* table, QChartView* plot)
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const auto button = [&](const char* name, const QString& caption, const QString& hint, std::function<void()> run) {
        QPushButton* b = MakeButton(tab, (QByteArray(prefix) + name).constData(), caption, hint);
        buttons->addWidget(b);
        events.Connect(b, &QPushButton::clicked, tab, std::move(run));
    };
    button("Copy", "Cop&y", "Copy the table as tab-separated text, with its header.", [&ui, table] {
        CopyAndTell(ui, *table, TableText(*table), Counted(table->topLevelItemCount(), "row", "rows"));
    });
    button("Export", "&Export...", "Save the table as a CSV file.",
           [&ui, table, decimalSep] { ExportTable(*table, ui, *table->model(), decimalSep); });
    if (plot)
        button("ExportPlot", "Export p&icture...", "Save the plot as a PNG or SVG picture.",
               [&ui, plot] { ExportPicture(*plot, ui, *plot); });
    return buttons;
}

QString TableText(const QTreeWidget& table)
{
    QStringList lines;
    QStringList header;
    for (int c = 0; c < table.columnCount(); ++c) header << table.headerItem()->text(c);
    lines << header.join('\t');
    for (int r = 0; r < table.topLevelItemCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table.columnCount(); ++c) cells << table.topLevelItem(r)->text(c);
        lines << cells.join('\t');
    }
    return lines.join('\n') + '\n';
}

std::optional<int32_t> ReadCount(IUserInterface& ui, QLineEdit* box, const QString& name, char sep)
{
    const auto value = ReadDecimal(ToBytes(box->text()), sep, 0, std::numeric_limits<int32_t>::max());
    if (value && *value >= 0) return static_cast<int32_t>(*value);
    ui.ShowMessage(
        box->window(),
        QString("The box \"%1\" holds \"%2\", which is not a whole number of 0 or more.").arg(name, box->text()));
    box->setFocus();
    box->selectAll();
    return std::nullopt;
}

bool CheckPlanRange(IUserInterface& ui, QWidget* parent, int32_t from, int32_t to, int32_t step, const QString& what)
{
    if (step < 1) {
        ui.ShowMessage(parent, "The box \"step\" must hold 1 or more.");
        return false;
    }
    if (to < from) {
        ui.ShowMessage(parent, QString("The %1 run from %2 down to %3: make the first no higher than the last.")
                                   .arg(what)
                                   .arg(from)
                                   .arg(to));
        return false;
    }
    if (const int64_t points = *PlanPointCount(from, to, step); points > kMaxPlanPoints) {
        ui.ShowMessage(parent, QString("The %1 from %2 to %3 make %4 points; a plan takes at most %5.")
                                   .arg(what)
                                   .arg(from)
                                   .arg(to)
                                   .arg(points)
                                   .arg(kMaxPlanPoints));
        return false;
    }
    return true;
}

void TipOnHover(EventGuard& events, QObject* context, QXYSeries* series, std::function<QString(double)> tipAt)
{
    events.Connect(series, &QXYSeries::hovered, context, [tipAt = std::move(tipAt)](const QPointF& point, bool state) {
        const QString tip = state ? tipAt(point.x()) : QString();
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(QCursor::pos(), tip);
    });
}

}  // namespace vantor
