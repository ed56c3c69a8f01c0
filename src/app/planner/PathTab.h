#pragma once
// The "&Levels" page of "Upgrade path...": the best set at every level of a range, as a table of
// the levels at which it changes and as a plot against the set worn now; "&Wear" puts a level's
// set on.

#include "app/planner/PlanInputs.h"

#include <QWidget>

#include <vector>

class QChartView;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace vantor {

class PathTab : public QWidget {
    Q_OBJECT
public:
    PathTab(const PathInputs& page, const PlanTabHost& host, QWidget* parent);

    // Starts the plan in the background; the table and the plot show when it ends.
    void SearchPath();
    // A search of either page runs (true) or has ended.
    void SetSearching(bool searching);

private:
    void ShowPath();
    // What the plot says where the pointer rests: the level's score and the set's last change.
    QString PathTip(double level) const;
    void WearSelected();

    const PathInputs& page_;
    PlanTabHost host_;
    QLineEdit* edtPathFrom;
    QLineEdit* edtPathTo;
    QComboBox* cbxPathBound;
    QPushButton* btnPathSearch;
    QChartView* chtUpgradePath;
    QTreeWidget* lstUpgradePath;
    QPushButton* btnPathApply;

    PlanQuestion asked_;
    UpgradePath path_;
    std::vector<size_t> rows_;  // the path's points that start a set, one per table row
};

}  // namespace vantor
