#pragma once
// "Upgrade path...": the best set at every level of a range, as a table of the levels at which it
// changes and as a plot against the set worn now; and, on its second page, the best score at a
// range of strengths under each encumbrance bound.

#include "app/planner/PlanInputs.h"

#include <QDialog>

#include <functional>

class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTreeWidget;

class QXYSeries;

namespace vantor {

class EventGuard;
class IUserInterface;
class ScaleBook;
class PathTab;
class SearchRunner;
class StrengthTab;

class UpgradePathDialog : public QDialog {
    Q_OBJECT
public:
    // What the equipment page hands over: the character, the set worn and its lists.
    using Page = PathInputs;

    UpgradePathDialog(Page page, QWidget* parent);
    ~UpgradePathDialog() override;

private:
    void reject() override;

    Page page_;
    QComboBox* cbxPathScale;
    QComboBox* cbxPathFrom;
    QTabWidget* tabPlan;
    PathTab* pathTab_;
    StrengthTab* strengthTab_;
    QProgressBar* prgPath;
    QLabel* lblPathStatus;
    QPushButton* btnPathCancel;
    SearchRunner* runner_;
};

}  // namespace vantor
