#pragma once
// The "S&trength" page of "Upgrade path...": the best score at a range of strengths under each
// encumbrance bound, at the character's level, as a table and a plot.

#include "app/planner/PlanInputs.h"

#include <QWidget>

class QChartView;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace vantor {

class StrengthTab : public QWidget {
    Q_OBJECT
public:
    StrengthTab(const PathInputs& page, const PlanTabHost& host, QWidget* parent);

    // Starts the table in the background; it shows, with its plot, when it ends.
    void SearchStrength();
    void SetSearching(bool searching);

private:
    void ShowStrength();
    // The three bounds' scores at the strength nearest the pointer (bound: the line under it).
    QString StrengthTip(double strength, size_t bound) const;

    const PathInputs& page_;
    PlanTabHost host_;
    QLineEdit* edtStrFrom;
    QLineEdit* edtStrTo;
    QLineEdit* edtStrStep;
    QPushButton* btnStrSearch;
    QChartView* chtStrength;
    QTreeWidget* lstStrength;

    PlanQuestion asked_;
    StrengthTable strength_;
};

}  // namespace vantor
