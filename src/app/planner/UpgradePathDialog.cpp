#include "app/planner/UpgradePathDialog.h"

#include "app/common/Bytes.h"
#include "app/common/EventGuard.h"
#include "app/common/UserInterface.h"
#include "app/common/Widgets.h"
#include "app/planner/PathTab.h"
#include "app/planner/PlanViews.h"
#include "app/planner/SearchRunner.h"
#include "app/planner/StrengthTab.h"
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
    cbxPathFrom = MakeFromBox(this, "cbxPathFrom");
    scaleRow->addWidget(MakeBuddyLabel(this, "", "Plan fro&m", cbxPathFrom));
    scaleRow->addWidget(cbxPathFrom);
    layout->addLayout(scaleRow);

    tabPlan = new QTabWidget(this);
    tabPlan->setObjectName("tabPlan");
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
    PlanTabHost host;
    host.Runner = runner_;
    host.Question = [this] {
        PlanQuestion q = page_.Plan;
        q.Weights = page_.Scales->All()[static_cast<size_t>(std::max(0, cbxPathScale->currentIndex()))];
        if (cbxPathFrom->currentIndex() == 1) q.Owned = page_.Owned;
        return q;
    };
    host.Searching = [this](bool searching) {
        pathTab_->SetSearching(searching);
        strengthTab_->SetSearching(searching);
        if (searching) lblPathStatus->setText("Searching...");
    };
    host.Status = [this](const QString& text) { lblPathStatus->setText(text); };
    host.Accept = [this] { accept(); };
    pathTab_ = new PathTab(page_, host, tabPlan);
    strengthTab_ = new StrengthTab(page_, host, tabPlan);
    tabPlan->addTab(pathTab_, "&Levels");
    tabPlan->addTab(strengthTab_, "S&trength");
    page_.Events->Connect(btnPathCancel, &QPushButton::clicked, this, [this] {
        if (runner_->Running())
            runner_->Cancel();
        else
            reject();
    });
    resize(760, 600);
}

UpgradePathDialog::~UpgradePathDialog() { runner_->Stop(); }

void UpgradePathDialog::reject()
{
    runner_->Stop();
    QDialog::reject();
}

}  // namespace vantor
