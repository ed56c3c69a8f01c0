#pragma once
// "Upgrade path...": the best set at every level of a range, as a table of the levels at which it
// changes and as a plot against the set worn now; and, on its second page, the best score at a
// range of strengths under each encumbrance bound.

#include "equipment/UpgradePath.h"

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
class SearchRunner;

class UpgradePathDialog : public QDialog {
public:
    // What the equipment page hands over: the character, the set worn and its lists.
    struct Page {
        PlanQuestion Plan;             // its scale and bound are the dialog's
        std::optional<int32_t> Level;  // the top panel's; nothing when it is empty or does not read
        const SlotLists* Lists = nullptr;
        ChosenItems Worn{};
        char DecimalSep = '.';
        IUserInterface* Ui = nullptr;
        EventGuard* Events = nullptr;  // every handler of the dialog runs through it
        ScaleBook* Scales = nullptr;
        std::function<void(const std::array<int, kSlotCount>&)> Wear;  // as the player's picks
    };

    UpgradePathDialog(Page page, QWidget* parent);
    ~UpgradePathDialog() override;

    // Each starts its plan in the background; the table and the plot show when it ends.
    void SearchPath();
    void SearchStrength();

private:
    QWidget* BuildPathPage();
    QWidget* BuildStrengthPage();
    // The whole number a box holds (0 or more); nothing, after a message naming the box, otherwise.
    std::optional<int32_t> Read(QLineEdit* box, const QString& name);
    // Whether the range has a point and no more than a plan takes; else a message naming the boxes.
    bool CheckRange(int32_t from, int32_t to, int32_t step, const QString& what);
    void Started();
    void ShowPath();
    void ShowStrength();
    // What the plots say where the pointer rests: the level's score and the set's last change, or
    // the three bounds' scores at the nearest strength (bound: the line under the pointer).
    QString PathTip(double level) const;
    QString StrengthTip(double strength, size_t bound) const;
    void TipOnHover(QXYSeries* series, std::function<QString(double)> tipAt);
    void WearSelected();
    void CopyTable(QTreeWidget* table);
    void reject() override;

    Page page_;
    QComboBox* cbxPathScale;
    QTabWidget* tabPlan;
    QLineEdit* edtPathFrom;
    QLineEdit* edtPathTo;
    QComboBox* cbxPathBound;
    QPushButton* btnPathSearch;
    QChartView* chtUpgradePath;
    QTreeWidget* lstUpgradePath;
    QPushButton* btnPathApply;
    QLineEdit* edtStrFrom;
    QLineEdit* edtStrTo;
    QLineEdit* edtStrStep;
    QPushButton* btnStrSearch;
    QChartView* chtStrength;
    QTreeWidget* lstStrength;
    QProgressBar* prgPath;
    QLabel* lblPathStatus;
    QPushButton* btnPathCancel;
    SearchRunner* runner_;

    PlanQuestion asked_;
    UpgradePath path_;
    StrengthTable strength_;
    std::vector<size_t> rows_;  // the path's points that start a set, one per table row
};

}  // namespace vantor
