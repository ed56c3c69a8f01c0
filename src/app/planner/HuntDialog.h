#pragma once
// "What to get next...": under a scale and an encumbrance bound, the best set from the items the
// character owns, the best from every item the slot lists offer, and the items the character lacks
// listed by how much the best owned set would gain with each one owned too, with the level each
// needs; "Copy" and "Export..." as the other tables.

#include "app/planner/PlanInputs.h"
#include "equipment/HuntNext.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace vantor {

class SearchRunner;

class HuntDialog : public QDialog {
    Q_OBJECT
public:
    using Page = CategoryInputs;

    HuntDialog(Page page, QWidget* parent);
    ~HuntDialog() override;

    // Starts the hunt in the background; the answer shows when it ends.
    void Search();

private:
    void ShowAnswer();
    void reject() override;

    Page page_;
    QComboBox* cbxHuntScale;
    QComboBox* cbxHuntBound;
    QPushButton* btnHuntSearch;
    QProgressBar* prgHunt;
    QLabel* lblHuntOwned;
    QLabel* lblHuntAll;
    QTreeWidget* lstHunt;
    SearchRunner* runner_;
    BestSetQuestion asked_;
    HuntAnswer answer_;
};

}  // namespace vantor
