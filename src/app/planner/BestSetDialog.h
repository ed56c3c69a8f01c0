#pragma once
// "Best set...": the player weighs what matters, picks an encumbrance bound and the slots to keep,
// and gets the highest-scoring set the slot lists allow, with its runner-up; "Apply" wears it.

#include "app/planner/PlanInputs.h"
#include "equipment/BestSet.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTreeWidget;
class QVBoxLayout;

namespace vantor {

class EventGuard;
class IUserInterface;
class ScaleBook;
class ScaleEditor;
class SearchRunner;

class BestSetDialog : public QDialog {
    Q_OBJECT
public:
    // What the equipment page hands over: its lists and picks, and what its category rests on.
    struct Page : CategoryInputs {
        std::array<int, kSlotCount> Picks{};
    };

    BestSetDialog(Page page, QWidget* parent);
    ~BestSetDialog() override;

    // Starts the search in the background; the answer shows when it ends.
    void Search();

private:
    void BuildWeights(QVBoxLayout* layout);
    // "Save as scale...": the boxes as a scale of the player's, named as asked.
    void SaveAsScale();
    QWidget* BuildLimits();
    void BuildAnswer(QVBoxLayout* layout);
    void ConnectButtons();
    // The question the boxes ask; nothing, after a message naming the box, when a weight does not
    // read.
    std::optional<BestSetQuestion> Question();
    void ShowAnswer();
    void CancelClicked();
    void reject() override;

    Page page_;
    ScaleEditor* editor_;
    QComboBox* cbxBestPreset;
    QPushButton* btnBestSaveScale;
    QComboBox* cbxBestBound;
    QComboBox* cbxBestFrom;
    std::array<QCheckBox*, kSlotCount> keep_{};
    QCheckBox* chkSameRing;
    QPushButton* btnBestSearch;
    QProgressBar* prgBestSet;
    QTreeWidget* lstBestSet;
    QLineEdit* edtBestScore;
    QLabel* lblBestRunnerUp;
    QLabel* lblBestTotals;
    QPushButton* btnBestApply;
    QPushButton* btnBestCancel;

    BestSetQuestion asked_;
    BestSetAnswer answer_;
    SearchRunner* runner_;
};

}  // namespace vantor
