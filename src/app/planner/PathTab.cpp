#include "app/planner/PathTab.h"

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

PathTab::PathTab(const PathInputs& page, const PlanTabHost& host, QWidget* parent)
    : QWidget(parent), page_(page), host_(host)
{
    QWidget* tab = this;
    auto* layout = new QVBoxLayout(tab);
    auto* row = new QHBoxLayout;
    const int32_t top = page_.Level.value_or(75);
    edtPathFrom = MakeEdit(tab, "edtPathFrom", "1", "The first level planned.");
    edtPathTo = MakeEdit(tab, "edtPathTo", QString::number(top), "The last level planned.");
    for (QLineEdit* box : {edtPathFrom, edtPathTo}) box->setMaximumWidth(60);
    cbxPathBound = new QComboBox(tab);
    cbxPathBound->setObjectName("cbxPathBound");
    for (const char* b : kBounds) cbxPathBound->addItem(b);
    cbxPathBound->setCurrentIndex(2);
    cbxPathBound->setToolTip("The heaviest encumbrance a set may reach, worked out as the Equipment page does.");
    btnPathSearch = MakeButton(tab, "btnPathSearch", "&Search", "Find the best set at every level of the range.");
    row->addWidget(MakeBuddyLabel(tab, "", "&From level", edtPathFrom));
    row->addWidget(edtPathFrom);
    row->addWidget(MakeBuddyLabel(tab, "", "t&o", edtPathTo));
    row->addWidget(edtPathTo);
    row->addWidget(MakeBuddyLabel(tab, "", "Encum&brance at most", cbxPathBound));
    row->addWidget(cbxPathBound);
    row->addStretch(1);
    row->addWidget(btnPathSearch);
    layout->addLayout(row);
    chtUpgradePath = MakeChart(tab, "chtUpgradePath", "The best set's score at each level");
    lstUpgradePath = MakeTable(tab, "lstUpgradePath", {"Level", "Score", "Changes"});
    lstUpgradePath->setToolTip("The first level, and every level at which the best set changes.");
    layout->addWidget(ChartOverTable(tab, "splPath", chtUpgradePath, lstUpgradePath), 1);
    EventGuard& events = *page_.Events;
    QHBoxLayout* buttons =
        TableButtons(tab, events, *page_.Ui, page_.DecimalSep, "btnPath", lstUpgradePath, chtUpgradePath);
    btnPathApply = MakeButton(tab, "btnPathApply", "&Wear", "Wear the selected level's set on the Equipment page.");
    btnPathApply->setEnabled(false);
    buttons->addWidget(btnPathApply);
    layout->addLayout(buttons);
    events.Connect(btnPathSearch, &QPushButton::clicked, this, [this] { SearchPath(); });
    events.Connect(btnPathApply, &QPushButton::clicked, this, [this] { WearSelected(); });
    events.Connect(lstUpgradePath, &QTreeWidget::itemSelectionChanged, this,
                   [this] { btnPathApply->setEnabled(!host_.Runner->Running() && lstUpgradePath->currentItem()); });
}

void PathTab::SearchPath()
{
    if (host_.Runner->Running()) return;
    const auto from = ReadCount(*page_.Ui, edtPathFrom, "From level", page_.DecimalSep);
    if (!from) return;
    const auto to = ReadCount(*page_.Ui, edtPathTo, "to", page_.DecimalSep);
    if (!to || !CheckPlanRange(*page_.Ui, this, *from, *to, 1, "levels")) return;
    asked_ = host_.Question();
    host_.Searching(true);
    asked_.Bound = static_cast<LoadBound>(cbxPathBound->currentIndex());
    lstUpgradePath->clear();
    path_ = {};
    path_.Cancelled = true;  // until the search says otherwise
    host_.Runner->Start([this, from = *from, to = *to](
                            const SearchProgress& progress) { path_ = SolveUpgradePath(asked_, from, to, progress); },
                        [this] { ShowPath(); });
}

void PathTab::ShowPath()
{
    host_.Searching(false);
    if (path_.Cancelled) {
        host_.Status("Search stopped.");
        return;
    }
    const char sep = page_.DecimalSep;
    rows_ = PathChanges(path_.Levels);
    auto* best = new QLineSeries;
    best->setName("Best set");
    best->setPen(QPen(QColor(32, 96, 192), 2.5));
    auto* marks = new QScatterSeries;
    marks->setName("Set changes");
    // Small, hollow marks: the step line stays in sight under many changes.
    marks->setMarkerSize(rows_.size() > 20 ? 5 : 8);
    marks->setColor(Qt::transparent);
    marks->setBorderColor(QColor(200, 80, 0));
    const PlanPoint* before = nullptr;
    for (const PlanPoint& p : path_.Levels) {
        if (!p.Found) {
            before = nullptr;
            continue;
        }
        if (before) best->append(p.Level, Plotted(before->Score));  // the step up
        best->append(p.Level, Plotted(p.Score));
        before = &p;
    }
    for (size_t r = 0; r < rows_.size(); ++r) {
        const PlanPoint& p = path_.Levels[rows_[r]];
        const QString score = p.Found ? FromBytes(ScoreText(p.Score, sep)) : QString("no set");
        const QString changes =
            r == 0 ? QString("the first level") : FromBytes(ChangesText(path_.Levels[rows_[r - 1]].Set, p.Set));
        auto* row = new QTreeWidgetItem(lstUpgradePath, {QString::number(p.Level), score, changes});
        row->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        row->setToolTip(2, changes);
        if (p.Found) marks->append(p.Level, Plotted(p.Score));
    }
    auto* worn = new QLineSeries;
    worn->setName("The set worn now");
    const SetScore now = ScoreOf(ScoreTable(asked_.Weights), page_.Worn);
    worn->append(path_.Levels.front().Level, Plotted(now));
    worn->append(path_.Levels.back().Level, Plotted(now));
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{best, marks})
        TipOnHover(*page_.Events, this, series, [this](double x) { return PathTip(x); });
    TipOnHover(*page_.Events, this, worn,
               [now, sep](double) { return "The set worn now: " + FromBytes(ScoreText(now, sep)); });
    ShowSeries(chtUpgradePath, {best, worn, marks}, "Level", "Score");
    lstUpgradePath->resizeColumnToContents(0);
    lstUpgradePath->resizeColumnToContents(1);
    host_.Status(QString("%1, %2; the set worn now scores %3.")
                     .arg(Counted(static_cast<qsizetype>(path_.Levels.size()), "level", "levels"),
                          Counted(static_cast<qsizetype>(rows_.size()), "set", "sets"),
                          FromBytes(ScoreText(now, sep))));
}

QString PathTab::PathTip(double level) const
{
    // The row whose level is the last at or below the point: the set that holds there.
    const PlanPoint* shown = nullptr;
    size_t row = 0;
    for (size_t r = 0; r < rows_.size(); ++r)
        if (path_.Levels[rows_[r]].Level <= std::lround(level)) {
            shown = &path_.Levels[rows_[r]];
            row = r;
        }
    if (!shown || !shown->Found) return {};
    const QString changes =
        row == 0 ? QString("the first level") : FromBytes(ChangesText(path_.Levels[rows_[row - 1]].Set, shown->Set));
    const long at = std::lround(level);
    return QString("Level %1: %2\nFrom level %3: %4")
        .arg(at)
        .arg(FromBytes(ScoreText(shown->Score, page_.DecimalSep)))
        .arg(shown->Level)
        .arg(changes);
}

void PathTab::WearSelected()
{
    const int row = lstUpgradePath->indexOfTopLevelItem(lstUpgradePath->currentItem());
    if (row < 0 || static_cast<size_t>(row) >= rows_.size()) return;
    const PlanPoint& p = path_.Levels[rows_[static_cast<size_t>(row)]];
    std::array<int, kSlotCount> picks{};
    QStringList missing;
    for (size_t s = 0; s < picks.size(); ++s) {
        picks[s] = (*page_.Lists)[s].EntryOf(p.Set[s]);
        if (picks[s] < 0) missing << QString("%1: %2").arg(SlotTable()[s].Caption, FromBytes(p.Set[s]->Name));
    }
    if (!missing.isEmpty()) {
        page_.Ui->ShowMessage(this, QString("The slot lists do not offer the set of level %1 now (%2): press "
                                            "\"Filter\" on the Equipment page with that level, then Wear.")
                                        .arg(p.Level)
                                        .arg(missing.join("; ")));
        return;
    }
    page_.Wear(picks);
    host_.Accept();
}

void PathTab::SetSearching(bool searching)
{
    btnPathSearch->setEnabled(!searching);
    if (searching) btnPathApply->setEnabled(false);
}

}  // namespace vantor
