#include "app/equipment/EquipmentButtons.h"

#include "app/common/Widgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>

namespace vantor {

EquipmentButtons::EquipmentButtons(QWidget* panel) : Grid(new QGridLayout)
{
    btnEqFilter = MakeButton(panel, "btnEqFilter", "&Filter");
    btnreseteq = MakeButton(panel, "btnreseteq", "Reset");
    chkRAll = MakeCheck(panel, "chkRAll", "All?");
    btnSave = MakeButton(panel, "btnSave", "&Save Eq");
    btnLoad = MakeButton(panel, "btnLoad", "Loa&d Eq");
    btnCCB = MakeButton(panel, "btnCCB", "&Paste Eq", "Copy your equipment into the clipboard and press this button.");
    btnBestSet = MakeButton(panel, "btnBestSet", "&Best set...",
                            "Find the set that scores highest for what you care about, within an encumbrance bound.");
    btnCopySet = MakeButton(panel, "btnCopySet", "&Copy set", "Copy the set as the game lists it, for Paste Eq.");
    btnUpgradePath = MakeButton(panel, "btnUpgradePath", "Up&grade path...",
                                "The best set at every level, and what more strength buys, as tables and plots.");
    btnCompareSets = MakeButton(panel, "btnCompareSets", "Compare sets...",
                                "The set worn beside a set file, slot by slot and total by total.");
    btnWhatNext = MakeButton(panel, "btnWhatNext", "What to get next...",
                             "Which item the character lacks would add most to the best set it can wear now.");
    btnMarkOwned = MakeButton(panel, "btnMarkOwned", "Mark the worn set as owned",
                              "Every item worn is owned by the character from now on.");
    btnLeqtab = MakeButton(panel, "btnLeqtab", "Load");
    btnLeqtab->setVisible(false);
    Grid->addWidget(btnEqFilter, 0, 0);
    Grid->addWidget(btnreseteq, 0, 1);
    Grid->addWidget(chkRAll, 0, 2);
    Grid->addWidget(btnSave, 1, 0);
    Grid->addWidget(btnLoad, 1, 1);
    Grid->addWidget(btnCCB, 1, 2);
    Grid->addWidget(btnBestSet, 2, 0, 1, 2);
    Grid->addWidget(btnCopySet, 2, 2);
    Grid->addWidget(btnUpgradePath, 3, 0, 1, 2);
    Grid->addWidget(btnCompareSets, 4, 0, 1, 2);
    Grid->addWidget(btnWhatNext, 5, 0, 1, 2);
    Grid->addWidget(btnMarkOwned, 6, 0, 1, 3);
}

std::vector<QWidget*> EquipmentButtons::TabOrder(QWidget* undo, QWidget* redo) const
{
    return {btnEqFilter, btnreseteq,     chkRAll, btnSave, btnLoad,        btnCCB,      btnBestSet,
            btnCopySet,  btnUpgradePath, undo,    redo,    btnCompareSets, btnWhatNext, btnMarkOwned};
}

}  // namespace vantor
