#pragma once
// The "&Armor" page: the armour list, filtered by body part, material, magic and "Gives" rows.

#include "app/lists/ListPage.h"
#include "data/CodeTables.h"

class QCheckBox;
class QComboBox;

namespace vantor {

class ConditionStrip;

class ArmorPage : public ListPage {
    Q_OBJECT
public:
    ArmorPage(const PageContext& context, FindPosition& find, WornActions worn, QWidget* parent);
    // "Filter Armor": the armour the character wears, of the ticked materials, that gives what
    // the condition rows ask.
    void btnFAClick();
    // "&Reset": every piece of armour, and no conditions.
    void btnResetAClick();
    // Ticks the material and "Non Magical" boxes as the class wants them.
    void ApplyClassPreset(const ClassPreset& preset);

private:
    QComboBox* cbxWornW;
    QComboBox* cbxMag;
    QCheckBox* chkNM;
    QCheckBox* chkp;
    QCheckBox* chksc;
    QCheckBox* chkc;
    QCheckBox* chkl;
    QCheckBox* chkn;
    QCheckBox* chksi;
    QCheckBox* chknone;
    ConditionStrip* conditions_;
};

}  // namespace vantor
