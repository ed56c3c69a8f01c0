#include "app/planner/UpgradePathDialog.h"

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

const char* const kBounds[] = {"None", "Light", "Medium", "No limit"};

// A score as the plot draws it; the tables show it exactly.
double Plotted(SetScore thousandths) { return static_cast<double>(thousandths) / 1000.0; }

}  // namespace

UpgradePathDialog::UpgradePathDialog(Page page, QWidget* parent) : QDialog(parent), page_(std::move(page))
{
    setObjectName("dlgUpgradePath");
    setWindowTitle("Upgrade path");
    auto* layout = new QVBoxLayout(this);
    auto* scaleRow = new QHBoxLayout;
    cbxPathScale = new QComboBox(this);
    cbxPathScale->setObjectName("cbxPathScale");
    cbxPathScale->setModel(page_.Scales->Names());
    cbxPathScale->setCurrentIndex(static_cast<int>(page_.Scales->Active()));
    cbxPathScale->setToolTip("The scale every set is scored by.");
    scaleRow->addWidget(MakeBuddyLabel(this, "", "Sc&ale", cbxPathScale));
    scaleRow->addWidget(cbxPathScale, 1);
    layout->addLayout(scaleRow);

    tabPlan = new QTabWidget(this);
    tabPlan->setObjectName("tabPlan");
    tabPlan->addTab(BuildPathPage(), "&Levels");
    tabPlan->addTab(BuildStrengthPage(), "S&trength");
    layout->addWidget(tabPlan, 1);

    auto* bottom = new QHBoxLayout;
    prgPath = new QProgressBar(this);
    prgPath->setObjectName("prgPath");
    prgPath->setTextVisible(false);
    lblPathStatus = MakeLabel(this, "lblPathStatus", QString());
    btnPathCancel = MakeButton(this, "btnPathCancel", "Cancel", "Stop the search, or close.");
    bottom->addWidget(prgPath, 1);
    bottom->addWidget(lblPathStatus, 1);
    bottom->addWidget(btnPathCancel);
    layout->addLayout(bottom);
    runner_ = new SearchRunner(prgPath, *page_.Events, this);
    page_.Events->Connect(btnPathCancel, &QPushButton::clicked, this, [this] {
        if (runner_->Running())
            runner_->Cancel();
        else
            reject();
    });
    resize(760, 600);
}

UpgradePathDialog::~UpgradePathDialog() { runner_->Stop(); }

QWidget* UpgradePathDialog::BuildPathPage()
{
    auto* tab = new QWidget(this);
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
    auto* buttons = new QHBoxLayout;
    btnPathApply = MakeButton(tab, "btnPathApply", "&Wear", "Wear the selected level's set on the Equipment page.");
    btnPathApply->setEnabled(false);
    auto* copy = MakeButton(tab, "btnPathCopy", "&Copy", "Copy the table as tab-separated text, with its header.");
    buttons->addStretch(1);
    buttons->addWidget(copy);
    buttons->addWidget(btnPathApply);
    layout->addLayout(buttons);
    EventGuard& events = *page_.Events;
    events.Connect(btnPathSearch, &QPushButton::clicked, this, [this] { SearchPath(); });
    events.Connect(btnPathApply, &QPushButton::clicked, this, [this] { WearSelected(); });
    events.Connect(copy, &QPushButton::clicked, this, [this] { CopyTable(lstUpgradePath); });
    events.Connect(lstUpgradePath, &QTreeWidget::itemSelectionChanged, this,
                   [this] { btnPathApply->setEnabled(!runner_->Running() && lstUpgradePath->currentItem()); });
    return tab;
}

QWidget* UpgradePathDialog::BuildStrengthPage()
{
    auto* tab = new QWidget(this);
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
    auto* buttons = new QHBoxLayout;
    auto* copy = MakeButton(tab, "btnStrCopy", "&Copy", "Copy the table as tab-separated text, with its header.");
    buttons->addStretch(1);
    buttons->addWidget(copy);
    layout->addLayout(buttons);
    page_.Events->Connect(btnStrSearch, &QPushButton::clicked, this, [this] { SearchStrength(); });
    page_.Events->Connect(copy, &QPushButton::clicked, this, [this] { CopyTable(lstStrength); });
    return tab;
}

std::optional<int32_t> UpgradePathDialog::Read(QLineEdit* box, const QString& name)
{
    const auto value = ReadDecimal(ToBytes(box->text()), page_.DecimalSep, 0, std::numeric_limits<int32_t>::max());
    if (value && *value >= 0) return static_cast<int32_t>(*value);
    page_.Ui->ShowMessage(
        this, QString("The box \"%1\" holds \"%2\", which is not a whole number of 0 or more.").arg(name, box->text()));
    box->setFocus();
    box->selectAll();
    return std::nullopt;
}

bool UpgradePathDialog::CheckRange(int32_t from, int32_t to, int32_t step, const QString& what)
{
    if (step < 1) {
        page_.Ui->ShowMessage(this, "The box \"step\" must hold 1 or more.");
        return false;
    }
    if (to < from) {
        page_.Ui->ShowMessage(this, QString("The %1 run from %2 down to %3: make the first no higher than the last.")
                                        .arg(what)
                                        .arg(from)
                                        .arg(to));
        return false;
    }
    if (const int64_t points = *PlanPointCount(from, to, step); points > kMaxPlanPoints) {
        page_.Ui->ShowMessage(this, QString("The %1 from %2 to %3 make %4 points; a plan takes at most %5.")
                                        .arg(what)
                                        .arg(from)
                                        .arg(to)
                                        .arg(points)
                                        .arg(kMaxPlanPoints));
        return false;
    }
    return true;
}

void UpgradePathDialog::Started()
{
    asked_ = page_.Plan;
    asked_.Weights = page_.Scales->All()[static_cast<size_t>(std::max(0, cbxPathScale->currentIndex()))];
    btnPathSearch->setEnabled(false);
    btnStrSearch->setEnabled(false);
    btnPathApply->setEnabled(false);
    lblPathStatus->setText("Searching...");
}

void UpgradePathDialog::SearchPath()
{
    if (runner_->Running()) return;
    const auto from = Read(edtPathFrom, "From level");
    if (!from) return;
    const auto to = Read(edtPathTo, "to");
    if (!to || !CheckRange(*from, *to, 1, "levels")) return;
    Started();
    asked_.Bound = static_cast<LoadBound>(cbxPathBound->currentIndex());
    lstUpgradePath->clear();
    path_ = {};
    path_.Cancelled = true;  // until the search says otherwise
    runner_->Start([this, from = *from,
                    to = *to](const SearchProgress& progress) { path_ = SolveUpgradePath(asked_, from, to, progress); },
                   [this] { ShowPath(); });
}

void UpgradePathDialog::SearchStrength()
{
    if (runner_->Running()) return;
    if (!page_.Level) {
        page_.Ui->ShowMessage(this,
                              "The strength table is worked out at your level: type it in \"I am a level\" first.");
        return;
    }
    const auto from = Read(edtStrFrom, "Strength from");
    if (!from) return;
    const auto to = Read(edtStrTo, "to");
    if (!to) return;
    const auto step = Read(edtStrStep, "step");
    if (!step || !CheckRange(*from, *to, *step, "strengths")) return;
    Started();
    lstStrength->clear();
    strength_ = {};
    strength_.Cancelled = true;  // until the search says otherwise
    runner_->Start(
        [this, level = *page_.Level, from = *from, to = *to, step = *step](const SearchProgress& progress) {
            strength_ = SolveStrengthTable(asked_, level, from, to, step, progress);
        },
        [this] { ShowStrength(); });
}

void UpgradePathDialog::ShowPath()
{
    btnPathSearch->setEnabled(true);
    btnStrSearch->setEnabled(true);
    if (path_.Cancelled) {
        lblPathStatus->setText("Search stopped.");
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
        TipOnHover(series, [this](double x) { return PathTip(x); });
    TipOnHover(worn, [now, sep](double) { return "The set worn now: " + FromBytes(ScoreText(now, sep)); });
    ShowSeries(chtUpgradePath, {best, worn, marks}, "Level", "Score");
    lstUpgradePath->resizeColumnToContents(0);
    lstUpgradePath->resizeColumnToContents(1);
    lblPathStatus->setText(QString("%1, %2; the set worn now scores %3.")
                               .arg(Counted(static_cast<qsizetype>(path_.Levels.size()), "level", "levels"),
                                    Counted(static_cast<qsizetype>(rows_.size()), "set", "sets"),
                                    FromBytes(ScoreText(now, sep))));
}

QString UpgradePathDialog::PathTip(double level) const
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

void UpgradePathDialog::TipOnHover(QXYSeries* series, std::function<QString(double)> tipAt)
{
    page_.Events->Connect(series, &QXYSeries::hovered, this,
                          [tipAt = std::move(tipAt)](const QPointF& point, bool state) {
                              const QString tip = state ? tipAt(point.x()) : QString();
                              if (tip.isEmpty())
                                  QToolTip::hideText();
                              else
                                  QToolTip::showText(QCursor::pos(), tip);
                          });
}

void UpgradePathDialog::ShowStrength()
{
    btnPathSearch->setEnabled(true);
    btnStrSearch->setEnabled(true);
    if (strength_.Cancelled) {
        lblPathStatus->setText("Search stopped.");
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
        TipOnHover(lines.back(), [this, b](double x) { return StrengthTip(x, b); });
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
            TipOnHover(yours, [strength](double) { return QString("Your strength: %1").arg(strength); });
            lines.push_back(yours);
        }
    }
    ShowSeries(chtStrength, lines, "Strength", "Score");
    for (int c = 0; c < lstStrength->columnCount(); ++c) lstStrength->resizeColumnToContents(c);
    lblPathStatus->setText(QString("%1 at level %2.")
                               .arg(Counted(static_cast<qsizetype>(points.size()), "strength", "strengths"))
                               .arg(*page_.Level));
}

QString UpgradePathDialog::StrengthTip(double strength, size_t bound) const
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

void UpgradePathDialog::WearSelected()
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
    accept();
}

void UpgradePathDialog::CopyTable(QTreeWidget* table) { page_.Ui->SetClipboardText(TableText(*table)); }

void UpgradePathDialog::reject()
{
    runner_->Stop();
    QDialog::reject();
}

}  // namespace vantor
