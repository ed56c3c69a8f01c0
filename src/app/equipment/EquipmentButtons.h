#pragma once
// The Equipment page's buttons beside the slots, in their grid; the page connects them.

#include <vector>

class QCheckBox;
class QGridLayout;
class QPushButton;
class QWidget;

namespace vantor {

struct EquipmentButtons {
    // Made in panel; the grid leaves (3, 2) and (4, 2) to the undo and redo buttons.
    explicit EquipmentButtons(QWidget* panel);
    // In tab order, the undo and redo buttons in their places.
    std::vector<QWidget*> TabOrder(QWidget* undo, QWidget* redo) const;

    QGridLayout* Grid;
    QPushButton* btnEqFilter;
    QPushButton* btnreseteq;
    QCheckBox* chkRAll;
    QPushButton* btnSave;
    QPushButton* btnLoad;
    QPushButton* btnCCB;
    QPushButton* btnBestSet;
    QPushButton* btnCopySet;
    QPushButton* btnUpgradePath;
    QPushButton* btnCompareSets;
    QPushButton* btnWhatNext;
    QPushButton* btnMarkOwned;
    QPushButton* btnLeqtab;  // the hidden "Load" of the slot lists
};

}  // namespace vantor
