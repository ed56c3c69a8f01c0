#include "app/PlanViews.h"

#include <QChartView>
#include <QLineSeries>
#include <QTreeWidget>
#include <QValueAxis>

#include <algorithm>
#include <limits>

namespace vantor {

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
    x->setRange(x0, x1 > x0 ? x1 : x0 + 1);
    y->setRange(y0 - pad, y1 + pad);
    x->applyNiceNumbers();
    y->applyNiceNumbers();
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

}  // namespace vantor
