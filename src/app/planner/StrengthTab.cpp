#include "app/planner/StrengthTab.h"

#include "app/common/Bytes.h"
#include "app/common/EventGuard.h"
#include "app/common/UserInterface.h"
#include "app/common/Widgets.h"
#include "app/planner/PlanViews.h"
#include "app/planner/SearchRunner.h"
#include "app/scales/ScaleBook.h"
#include "data/Decimal.h"

#include <QChartView>
#include <QComboBox>
#include <QCursor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPen>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QStringListModel>
#include <QTabWidget>
#include <QToolTip>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>
#include <limits>

namespace vantor {
namespace {

// A score as the plot draws it; the tables show it exactly.
double Plotted(SetScore thousandths) { return static_cast<double>(thousandths) / 1000.0; }

}  // namespace

StrengthTab::StrengthTab(const PathInputs& page, const PlanTabHost& host, QWidget* parent)
    : QWidget(parent), page_(page), host_(host)
{
    QWidget* tab = this;
    auto* layout = new QVBoxLayout(tab);
    auto* row = new QHBoxLayout;
    const int32_t strength = page_.Plan.Strength.value_or(100);
    edtStrFrom = MakeEdit(tab, "edtStrFrom", QString::number(std::max(0, strength - 50)), "The lowest strength.");
    edtStrTo = MakeEdit(tab, "edtStrTo", QString::number(int64_t{strength} + 100), "The highest strength.");
    edtStrStep = MakeEdit(tab, "edtStrStep", "10", "How much the strength rises from one point to the next.");
    for (QLineEdit* box : {edtStrFrom, edtStrTo, edtStrStep}) box->setMaximumWidth(60);
    btnStrSearch = MakeButton(tab, "btnStrSearch", "&Search",
                              "Find the best score at each strength under None, Light and Medium, at your level.");
    row->addWidget(MakeBuddyLabel(tab, "", "St&rength from", edtStrFrom));
    row->addWidget(edtStrFrom);
    row->addWidget(MakeBuddyLabel(tab, "", "to", edtStrTo));
    row->addWidget(edtStrTo);
    row->addWidget(MakeBuddyLabel(tab, "", "ste&p", edtStrStep));
    row->addWidget(edtStrStep);
    row->addStretch(1);
    row->addWidget(btnStrSearch);
    layout->addLayout(row);
    chtStrength = MakeChart(tab, "chtStrength", "The best score at each strength");
    lstStrength = MakeTable(tab, "lstStrength", {"Strength", "None", "Light", "Medium"});
    lstStrength->header()->setStretchLastSection(false);
    lstStrength->setToolTip("The best score at each strength under each encumbrance bound, at your level.");
    layout->addWidget(ChartOverTable(tab, "splStrength", chtStrength, lstStrength), 1);
    layout->addLayout(
        TableButtons(tab, *page_.Events, *page_.Ui, page_.DecimalSep, "btnStr", lstStrength, chtStrength));
    page_.Events->Connect(btnStrSearch, &QPushButton::clicked, this, [this] { SearchStrength(); });
}

void StrengthTab::SearchStrength()
{
    if (host_.Runner->Running()) return;
    if (!page_.Level) {
        page_.Ui->ShowMessage(this,
                              "The strength table is worked out at your level: type it in \"I am a level\" first.");
        return;
    }
    const auto from = ReadCount(*page_.Ui, edtStrFrom, "Strength from", page_.DecimalSep);
    if (!from) return;
    const auto to = ReadCount(*page_.Ui, edtStrTo, "to", page_.DecimalSep);
    if (!to) return;
    const auto step = ReadCount(*page_.Ui, edtStrStep, "step", page_.DecimalSep);
    if (!step || !CheckPlanRange(*page_.Ui, this, *from, *to, *step, "strengths")) return;
    asked_ = host_.Question();
    host_.Searching(true);
    lstStrength->clear();
    strength_ = {};
    strength_.Cancelled = true;  // until the search says otherwise
    host_.Runner->Start(
        [this, level = *page_.Level, from = *from, to = *to, step = *step](const SearchProgress& progress) {
            strength_ = SolveStrengthTable(asked_, level, from, to, step, progress);
        },
        [this] { ShowStrength(); });
}

void StrengthTab::ShowStrength()
{
    host_.Searching(false);
    if (strength_.Cancelled) {
        host_.Status("Search stopped.");
        return;
    }
    std::vector<QXYSeries*> lines;
    // Widest first, so that a line that coincides with another still shows around it.
    const struct {
        QColor Colour;
        qreal Width;
        Qt::PenStyle Style;
    } pens[] = {{QColor(0, 140, 60), 6, Qt::SolidLine},
                {QColor(32, 96, 192), 3, Qt::SolidLine},
                {QColor(200, 80, 0), 1.5, Qt::DashLine}};
    for (size_t b = 0; b < 3; ++b) {
        lines.push_back(new QLineSeries);
        lines.back()->setName(kBounds[b]);
        lines.back()->setPen(QPen(pens[b].Colour, pens[b].Width, pens[b].Style));
        TipOnHover(*page_.Events, this, lines.back(), [this, b](double x) { return StrengthTip(x, b); });
    }
    for (const StrengthPoint& p : strength_.Points) {
        auto* row = new QTreeWidgetItem(lstStrength, {QString::number(p.Strength)});
        row->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        for (size_t b = 0; b < 3; ++b) {
            const int column = static_cast<int>(b) + 1;
            row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
            if (!p.Scores[b]) {
                row->setText(column, "no set");
                continue;
            }
            row->setText(column, FromBytes(ScoreText(*p.Scores[b], page_.DecimalSep)));
            lines[b]->append(p.Strength, Plotted(*p.Scores[b]));
        }
    }
    // The top panel's strength, where it falls in the range, as an upright line.
    const auto& points = strength_.Points;
    if (page_.Plan.Strength && !points.empty() && *page_.Plan.Strength >= points.front().Strength &&
        *page_.Plan.Strength <= points.back().Strength) {
        double low = std::numeric_limits<double>::max(), high = -low;
        for (const QXYSeries* line : lines)
            for (const QPointF& p : line->points()) {
                low = std::min(low, p.y());
                high = std::max(high, p.y());
            }
        if (low <= high) {
            auto* yours = new QLineSeries;
            yours->setName("Your strength");
            yours->setPen(QPen(Qt::gray, 1.5, Qt::DotLine));
            yours->append(*page_.Plan.Strength, low);
            yours->append(*page_.Plan.Strength, high);
            const int32_t strength = *page_.Plan.Strength;
            TipOnHover(*page_.Events, this, yours,
                       [strength](double) { return QString("Your strength: %1").arg(strength); });
            lines.push_back(yours);
        }
    }
    ShowSeries(chtStrength, lines, "Strength", "Score");
    for (int c = 0; c < lstStrength->columnCount(); ++c) lstStrength->resizeColumnToContents(c);
    host_.Status(QString("%1 at level %2.")
                     .arg(Counted(static_cast<qsizetype>(points.size()), "strength", "strengths"))
                     .arg(*page_.Level));
}

QString StrengthTab::StrengthTip(double strength, size_t bound) const
{
    // The point nearest the pointer.
    const StrengthPoint* nearest = nullptr;
    for (const StrengthPoint& p : strength_.Points)
        if (!nearest || std::abs(p.Strength - strength) < std::abs(nearest->Strength - strength)) nearest = &p;
    if (!nearest) return {};
    QStringList scores;
    for (size_t b = 0; b < 3; ++b) {
        const QString score =
            nearest->Scores[b] ? FromBytes(ScoreText(*nearest->Scores[b], page_.DecimalSep)) : QString("no set");
        scores << (b == bound ? QString("<b>%1: %2</b>") : QString("%1: %2")).arg(kBounds[b], score);
    }
    return QString("Strength %1<br>%2").arg(nearest->Strength).arg(scores.join("<br>"));
}

void StrengthTab::SetSearching(bool searching) { btnStrSearch->setEnabled(!searching); }

}  // namespace vantor
