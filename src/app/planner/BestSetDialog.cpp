#include "app/planner/BestSetDialog.h"

#include "app/common/Bytes.h"
#include "app/common/EventGuard.h"
#include "app/common/UserInterface.h"
#include "app/common/Widgets.h"
#include "app/planner/PlanViews.h"
#include "app/planner/SearchRunner.h"
#include "app/scales/ScaleBook.h"
#include "app/scales/ScaleEditor.h"
#include "data/CodeTables.h"
#include "data/Decimal.h"
#include "equipment/HuntNext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStringListModel>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <map>

namespace vantor {
namespace {

QString Score(SetScore thousandths, char sep) { return FromBytes(ScoreText(thousandths, sep)); }

}  // namespace

BestSetDialog::BestSetDialog(Page page, QWidget* parent) : QDialog(parent), page_(std::move(page))
{
    setObjectName("dlgBestSet");
    setWindowTitle("Best set");
    auto* layout = new QVBoxLayout(this);
    // What counts and how much; what stays and how heavy the set may be.
    auto* wants = new QGroupBox("What counts", this);
    BuildWeights(new QVBoxLayout(wants));
    auto* top = new QHBoxLayout;
    top->addWidget(wants, 1);
    top->addWidget(BuildLimits(), 1);
    layout->addLayout(top);
    BuildAnswer(layout);
    ConnectButtons();
    resize(700, 560);
}

QWidget* BestSetDialog::BuildLimits()
{
    auto* limits = new QGroupBox("Keep and bound", this);
    auto* grid = new QGridLayout(limits);
    for (int s = 0; s < kSlotCount; ++s) {
        const SlotInfo& info = SlotTable()[static_cast<size_t>(s)];
        keep_[static_cast<size_t>(s)] =
            MakeCheck(limits, (QByteArray("chkKeep") + (info.Name + 3)).constData(), info.Caption, false,
                      "Keep what this slot holds now (or keep it empty).");
        grid->addWidget(keep_[static_cast<size_t>(s)], s / 4, s % 4);
    }
    chkSameRing = MakeCheck(limits, "chkSameRing", "Same ring on both &fingers", false,
                            "Allow one ring to be chosen for both fingers.");
    grid->addWidget(chkSameRing, 4, 0, 1, 4);
    cbxBestBound = new QComboBox(limits);
    cbxBestBound->setObjectName("cbxBestBound");
    for (const char* b : kBounds) cbxBestBound->addItem(b);
    cbxBestBound->setCurrentIndex(2);
    cbxBestBound->setToolTip("The heaviest encumbrance the set may reach, worked out as the Equipment page does.");
    grid->addWidget(MakeBuddyLabel(limits, "", "Encum&brance at most", cbxBestBound), 5, 0, 1, 2);
    grid->addWidget(cbxBestBound, 5, 2, 1, 2);
    cbxBestFrom = MakeFromBox(limits, "cbxBestFrom");
    grid->addWidget(MakeBuddyLabel(limits, "", "P&lan from", cbxBestFrom), 6, 0, 1, 2);
    grid->addWidget(cbxBestFrom, 6, 2, 1, 2);
    grid->setRowStretch(7, 1);
    return limits;
}

void BestSetDialog::BuildAnswer(QVBoxLayout* layout)
{
    // The search and its answer.
    auto* searchRow = new QHBoxLayout;
    btnBestSearch = MakeButton(this, "btnBestSearch", "&Search", "Find the best set for these weights.");
    prgBestSet = new QProgressBar(this);
    prgBestSet->setObjectName("prgBestSet");
    prgBestSet->setTextVisible(false);
    searchRow->addWidget(btnBestSearch);
    searchRow->addWidget(prgBestSet, 1);
    layout->addLayout(searchRow);

    lstBestSet = new QTreeWidget(this);
    lstBestSet->setObjectName("lstBestSet");
    lstBestSet->setHeaderLabels({"Slot", "Item", "Adds"});
    lstBestSet->setRootIsDecorated(false);
    lstBestSet->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    lstBestSet->header()->setStretchLastSection(false);
    lstBestSet->setMinimumHeight(8 * fontMetrics().height());
    layout->addWidget(lstBestSet, 1);

    auto* scoreRow = new QHBoxLayout;
    edtBestScore = MakeEdit(this, "edtBestScore", QString(), "The score of the set found.");
    edtBestScore->setReadOnly(true);
    edtBestScore->setFixedWidth(120);
    lblBestRunnerUp = MakeLabel(this, "lblBestRunnerUp", QString(), "The best score of any other set.");
    lblBestTotals = MakeLabel(this, "lblBestTotals", QString());
    scoreRow->addWidget(MakeBuddyLabel(this, "", "Score", edtBestScore));
    scoreRow->addWidget(edtBestScore);
    scoreRow->addWidget(lblBestRunnerUp);
    scoreRow->addWidget(lblBestTotals, 1);
    layout->addLayout(scoreRow);

    QHBoxLayout* buttons =
        TableButtons(this, *page_.Events, *page_.Ui, page_.DecimalSep, "btnBest", lstBestSet, nullptr);
    btnBestApply = MakeButton(this, "btnBestApply", "A&pply", "Wear this set on the Equipment page.");
    btnBestApply->setEnabled(false);
    btnBestCancel = MakeButton(this, "btnBestCancel", "Cancel", "Stop the search, or close and change nothing.");
    buttons->addWidget(btnBestApply);
    buttons->addWidget(btnBestCancel);
    layout->addLayout(buttons);
}

void BestSetDialog::ConnectButtons()
{
    EventGuard& events = *page_.Events;
    events.Connect(btnBestSearch, &QPushButton::clicked, this, [this] { Search(); });
    events.Connect(btnBestApply, &QPushButton::clicked, this, [this] {
        page_.Wear(answer_.Picks);
        accept();
    });
    events.Connect(btnBestCancel, &QPushButton::clicked, this, [this] { CancelClicked(); });
    runner_ = new SearchRunner(prgBestSet, events, this);
}

BestSetDialog::~BestSetDialog() { runner_->Stop(); }

void BestSetDialog::BuildWeights(QVBoxLayout* layout)
{
    // The scale chosen, and any other to start from; what is typed can be kept as a scale.
    auto* row = new QHBoxLayout;
    cbxBestPreset = new QComboBox(this);
    cbxBestPreset->setObjectName("cbxBestPreset");
    cbxBestPreset->setToolTip("Fill the boxes below with a scale's weights and caps.");
    cbxBestPreset->setModel(page_.Scales->Names());
    cbxBestPreset->setCurrentIndex(static_cast<int>(page_.Scales->Active()));
    btnBestSaveScale = MakeButton(this, "btnBestSaveScale", "Sa&ve as scale...",
                                  "Keep these weights and caps as a scale of your own.");
    row->addWidget(MakeBuddyLabel(this, "", "Sc&ale", cbxBestPreset));
    row->addWidget(cbxBestPreset, 1);
    row->addWidget(btnBestSaveScale);
    layout->addLayout(row);
    editor_ = new ScaleEditor(page_.DecimalSep, this);
    editor_->Show(page_.Scales->ActiveScale());
    layout->addWidget(editor_, 1);
    page_.Events->Connect(cbxBestPreset, &QComboBox::activated, this,
                          [this](int i) { editor_->Show(page_.Scales->All()[static_cast<size_t>(i)]); });
    page_.Events->Connect(btnBestSaveScale, &QPushButton::clicked, this, [this] { SaveAsScale(); });
}

void BestSetDialog::SaveAsScale()
{
    QString error;
    std::optional<Scale> scale = editor_->Read("", error);
    if (!scale) {
        page_.Ui->ShowMessage(this, error);
        return;
    }
    const QString name = page_.Ui->AskText(this, "Name the scale:", QString()).trimmed();
    if (name.isEmpty()) return;
    scale->Name = ToBytes(name);
    if (page_.Scales->Find(scale->Name) >= 0) {
        page_.Ui->ShowMessage(this, QString("A scale named \"%1\" is there already: choose another name.").arg(name));
        return;
    }
    if (const std::string problem = ScaleProblem(*scale); !problem.empty()) {
        page_.Ui->ShowMessage(this, FromBytes("The scale is not kept: " + problem));
        return;
    }
    std::vector<Scale> players(page_.Scales->All().begin() + static_cast<ptrdiff_t>(BuiltInScales().size()),
                               page_.Scales->All().end());
    players.push_back(*scale);
    if (!page_.Scales->SetPlayerScales(std::move(players), page_.Scales->ActiveScale().Name, error))
        page_.Ui->ShowMessage(this, error);
    cbxBestPreset->setCurrentIndex(page_.Scales->Find(scale->Name));
}

std::optional<BestSetQuestion> BestSetDialog::Question()
{
    BestSetQuestion q;
    q.Lists = page_.Lists;
    QString error;
    std::optional<Scale> scale = editor_->Read("", error);
    if (!scale) {
        page_.Ui->ShowMessage(this, error);
        return std::nullopt;
    }
    if (const std::string problem = ScaleProblem(*scale);
        !problem.empty() && problem.find("caps") != std::string::npos) {
        page_.Ui->ShowMessage(this, FromBytes("No search: " + problem));
        return std::nullopt;
    }
    q.Weights = std::move(*scale);
    q.Bound = static_cast<LoadBound>(cbxBestBound->currentIndex());
    for (size_t s = 0; s < keep_.size(); ++s)
        if (keep_[s]->isChecked()) q.Kept[s] = page_.Picks[s];
    q.Strength = page_.Strength;
    q.MiscEncumbrance = page_.MiscEncumbrance;
    q.SameRing = chkSameRing->isChecked();
    return q;
}

void BestSetDialog::Search()
{
    if (runner_->Running()) return;
    std::optional<BestSetQuestion> question = Question();
    if (!question) return;
    asked_ = std::move(*question);
    btnBestSearch->setEnabled(false);
    btnBestApply->setEnabled(false);
    lstBestSet->clear();
    answer_ = {};
    answer_.Cancelled = true;  // until the search says otherwise
    const bool owned = cbxBestFrom->currentIndex() == 1;
    runner_->Start(
        [this, owned](const SearchProgress& progress) {
            answer_ = owned ? SolveBestOwnedSet(asked_, page_.Owned, progress) : SolveBestSet(asked_, progress);
        },
        [this] { ShowAnswer(); });
}

void BestSetDialog::ShowAnswer()
{
    btnBestSearch->setEnabled(true);
    prgBestSet->setMaximum(1);
    prgBestSet->setValue(answer_.Cancelled ? 0 : 1);
    if (answer_.Cancelled || !answer_.Found) {
        edtBestScore->clear();
        lblBestRunnerUp->clear();
        lblBestTotals->setText(answer_.Cancelled ? "Search stopped." : "No set stays within the bound.");
        return;
    }
    const char sep = page_.DecimalSep;
    // What each slot adds, in slot order: the score of the slots so far less the score before, so
    // that the column adds up to the score even where a cap stops a total.
    const ScoreTable table(asked_.Weights);
    ChosenItems sofar{};
    SetScore before = 0;
    for (int s = 0; s < kSlotCount; ++s) {
        const SlotList& list = (*page_.Lists)[static_cast<size_t>(s)];
        const int pick = answer_.Picks[static_cast<size_t>(s)];
        const TItem* item = list.Record(pick);
        auto* row = new QTreeWidgetItem(lstBestSet);
        row->setText(0, SlotTable()[static_cast<size_t>(s)].Caption);
        row->setText(1, FromBytes(list.Text(pick)));
        if (item) {
            sofar[static_cast<size_t>(s)] = item;
            const SetScore now = ScoreOf(table, sofar);
            row->setText(2, Score(now - before, sep));
            before = now;
        }
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    lstBestSet->resizeColumnToContents(0);
    lstBestSet->resizeColumnToContents(2);
    edtBestScore->setText(Score(answer_.Score, sep));
    lblBestRunnerUp->setText(answer_.RunnerUp ? "runner-up " + Score(*answer_.RunnerUp, sep) : "no other set");
    lblBestTotals->setText(
        QString("Enc %1 of %2: %3").arg(answer_.Load).arg(answer_.MaxEncumbrance).arg(CategoryName(answer_.Category)));
    btnBestApply->setEnabled(true);
}

void BestSetDialog::CancelClicked()
{
    if (runner_->Running())
        runner_->Cancel();  // the answer then shows "Search stopped."
    else
        reject();
}

void BestSetDialog::reject()
{
    runner_->Stop();
    btnBestSearch->setEnabled(true);
    QDialog::reject();
}

}  // namespace vantor
