#include "app/BestSetDialog.h"

#include "app/Bytes.h"
#include "app/UserInterface.h"
#include "app/Widgets.h"
#include "data/CodeTables.h"
#include "data/Decimal.h"

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
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <map>

namespace vantor {
namespace {

// The weight boxes: name, caption (with its mnemonic), and the weight it sets.
struct WeightBox {
    const char* Name;
    const char* Caption;
    int32_t ScoreWeights::*Weight;
};
constexpr WeightBox kWeightBoxes[] = {
    {"edtWeightAC", "&AC", &ScoreWeights::ArmourClass},       {"edtWeightDR", "&DR", &ScoreWeights::DamageResist},
    {"edtWeightAcc", "Acc&uracy", &ScoreWeights::Accuracy},   {"edtWeightCrit", "C&rits", &ScoreWeights::Crits},
    {"edtWeightStealth", "S&tealth", &ScoreWeights::Stealth}, {"edtWeightMR", "&MR", &ScoreWeights::MagicRes},
    {"edtWeightDodge", "D&odge", &ScoreWeights::Dodge},       {"edtWeightMaxDmg", "Ma&x Dmg", &ScoreWeights::MaxDamage},
};

// Named weights for the eight boxes, in their order.
struct Preset {
    const char* Name;
    std::array<int32_t, 8> Weights;  // hundredths
};
constexpr Preset kPresets[] = {
    {"Armour: AC and DR", {100, 100, 0, 0, 0, 0, 0, 0}},
    {"Fighter: hits and damage", {100, 100, 200, 200, 0, 0, 0, 300}},
    {"Thief: stealth and dodge", {100, 0, 100, 0, 300, 0, 200, 0}},
    {"Caster: magic resistance", {100, 100, 0, 0, 0, 300, 0, 0}},
};

const char* const kBounds[] = {"None", "Light", "Medium", "No limit"};

QString Score(SetScore thousandths, char sep) { return FromBytes(ScoreText(thousandths, sep)); }

// The caption of a weight box without its mnemonic, as a message names it.
QString Plain(const char* caption) { return QString(caption).remove('&'); }

}  // namespace

BestSetDialog::BestSetDialog(Page page, QWidget* parent) : QDialog(parent), page_(std::move(page))
{
    setObjectName("dlgBestSet");
    setWindowTitle("Best set");
    auto* layout = new QVBoxLayout(this);
    // What counts and how much; what stays and how heavy the set may be.
    auto* wants = new QGroupBox("What counts", this);
    BuildWeights(new QGridLayout(wants));
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
    grid->setRowStretch(6, 1);
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

    auto* buttons = new QHBoxLayout;
    btnBestApply = MakeButton(this, "btnBestApply", "A&pply", "Wear this set on the Equipment page.");
    btnBestApply->setEnabled(false);
    btnBestCancel = MakeButton(this, "btnBestCancel", "Cancel", "Stop the search, or close and change nothing.");
    buttons->addStretch(1);
    buttons->addWidget(btnBestApply);
    buttons->addWidget(btnBestCancel);
    layout->addLayout(buttons);
}

void BestSetDialog::ConnectButtons()
{
    connect(btnBestSearch, &QPushButton::clicked, this, [this] { Search(); });
    connect(btnBestApply, &QPushButton::clicked, this, [this] {
        page_.Wear(answer_.Picks);
        accept();
    });
    connect(btnBestCancel, &QPushButton::clicked, this, [this] { CancelClicked(); });
    poll_ = new QTimer(this);
    poll_->setInterval(50);
    connect(poll_, &QTimer::timeout, this, [this] {
        prgBestSet->setMaximum(steps_);
        prgBestSet->setValue(done_);
    });
}

BestSetDialog::~BestSetDialog() { StopSearch(); }

void BestSetDialog::BuildWeights(QGridLayout* grid)
{
    const auto weightBox = [this](const char* name) {
        QLineEdit* box = MakeEdit(this, name, "0",
                                  "How much one point counts, with up to two decimals (1.5, 0.25); negative counts "
                                  "against, 0 not at all.");
        box->setFixedWidth(60);
        return box;
    };
    for (size_t i = 0; i < std::size(kWeightBoxes); ++i) {
        QLineEdit* box = weights_[i] = weightBox(kWeightBoxes[i].Name);
        if (i < 2) box->setText("1");
        AddLabelled(*grid, static_cast<int>(i / 2), static_cast<int>(i % 2) * 2, kWeightBoxes[i].Caption, box);
    }
    cbxBestPreset = new QComboBox(this);
    cbxBestPreset->setObjectName("cbxBestPreset");
    cbxBestPreset->setToolTip("Fill the boxes above with a named choice of weights.");
    for (const Preset& p : kPresets) cbxBestPreset->addItem(p.Name);
    grid->addWidget(MakeBuddyLabel(this, "", "Pr&eset", cbxBestPreset), 4, 0);
    grid->addWidget(cbxBestPreset, 4, 1, 1, 3);
    connect(cbxBestPreset, &QComboBox::activated, this, [this](int i) {
        for (size_t k = 0; k < weights_.size(); ++k)
            weights_[k]->setText(
                FromBytes(DecimalText(kPresets[static_cast<size_t>(i)].Weights[k], 2, page_.DecimalSep)));
    });

    // Every ability by name, with a weight (0: not counted).
    tblAbilityWeights = new QTableWidget(0, 2, this);
    tblAbilityWeights->setObjectName("tblAbilityWeights");
    tblAbilityWeights->setHorizontalHeaderLabels({"Ability", "Weight"});
    tblAbilityWeights->verticalHeader()->hide();
    tblAbilityWeights->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    tblAbilityWeights->setToolTip("Any ability by name; type a weight beside it.");
    tblAbilityWeights->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tblAbilityWeights->setMaximumHeight(8 * (fontMetrics().height() + 6));
    // One row a name; a weight counts for every code of that name.
    std::map<std::string, QVariantList> codes;
    for (int32_t code = 1; code <= 200; ++code) {
        const std::string name = GetFlagName(code);
        if (!name.empty() && name[0] != '?') codes[name] << code;
    }
    for (const auto& [name, list] : codes) {
        const int row = tblAbilityWeights->rowCount();
        tblAbilityWeights->insertRow(row);
        auto* caption = new QTableWidgetItem(FromBytes(name));
        caption->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        caption->setData(Qt::UserRole, list);
        tblAbilityWeights->setItem(row, 0, caption);
        tblAbilityWeights->setItem(row, 1, new QTableWidgetItem("0"));
    }
    grid->addWidget(tblAbilityWeights, 5, 0, 1, 4);
}

std::optional<BestSetQuestion> BestSetDialog::Question() const
{
    BestSetQuestion q;
    q.Lists = page_.Lists;
    QString bad;  // the first box that does not read, and what it holds
    const auto weight = [&](const QString& box, const QString& text) {
        const auto w = ReadWeight(ToBytes(text), page_.DecimalSep);
        if (!w && bad.isEmpty())
            bad = QString("The weight for \"%1\" does not read: \"%2\". Type a number with at most two decimals, such "
                          "as 2, -1 or 1.5, no larger than 21474836.47 either way.")
                      .arg(box, text);
        return w.value_or(0);
    };
    for (size_t i = 0; i < weights_.size(); ++i)
        q.Weights.*kWeightBoxes[i].Weight = weight(Plain(kWeightBoxes[i].Caption), weights_[i]->text());
    for (int row = 0; row < tblAbilityWeights->rowCount(); ++row) {
        const int32_t w = weight(tblAbilityWeights->item(row, 0)->text(), tblAbilityWeights->item(row, 1)->text());
        if (w == 0) continue;
        for (const QVariant& code : tblAbilityWeights->item(row, 0)->data(Qt::UserRole).toList())
            q.Weights.Abilities[code.toInt()] = w;
    }
    if (!bad.isEmpty()) {
        page_.Ui->ShowMessage(const_cast<BestSetDialog*>(this), bad);
        return std::nullopt;
    }
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
    if (worker_) return;
    std::optional<BestSetQuestion> question = Question();
    if (!question) return;
    asked_ = std::move(*question);
    stop_ = false;
    done_ = 0;
    btnBestSearch->setEnabled(false);
    btnBestApply->setEnabled(false);
    lstBestSet->clear();
    worker_ = QThread::create([this] {
        answer_ = SolveBestSet(asked_, [this](int done, int steps) {
            done_ = done;
            steps_ = steps;
            return !stop_;
        });
    });
    connect(worker_, &QThread::finished, this, [this, thread = worker_] {
        thread->deleteLater();
        worker_ = nullptr;
        poll_->stop();
        ShowAnswer();
    });
    poll_->start();
    worker_->start();
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
    for (int s = 0; s < kSlotCount; ++s) {
        const SlotList& list = (*page_.Lists)[static_cast<size_t>(s)];
        const int pick = answer_.Picks[static_cast<size_t>(s)];
        const TItem* item = list.Record(pick);
        auto* row = new QTreeWidgetItem(lstBestSet);
        row->setText(0, SlotTable()[static_cast<size_t>(s)].Caption);
        row->setText(1, FromBytes(list.Text(pick)));
        row->setText(2, item ? Score(ItemScore(*item, asked_.Weights), sep) : QString());
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
    if (worker_)
        stop_ = true;  // the answer then shows "Search stopped."
    else
        reject();
}

void BestSetDialog::StopSearch()
{
    if (!worker_) return;
    stop_ = true;
    disconnect(worker_, nullptr, this, nullptr);
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    poll_->stop();
    btnBestSearch->setEnabled(true);
}

void BestSetDialog::reject()
{
    StopSearch();
    QDialog::reject();
}

}  // namespace vantor
