#pragma once
// The armour, weapons and spells pages: a list page with the filter controls of its kind.

#include "app/ListPage.h"
#include "data/CodeTables.h"
#include "filters/ListFilters.h"

class QCheckBox;
class QComboBox;

namespace vantor {

class ConditionStrip;

class ArmorPage : public ListPage {
public:
    ArmorPage(const PageContext& context, FindPosition& find, CompareWithWorn compare, QWidget* parent);
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

class WeaponsPage : public ListPage {
public:
    WeaponsPage(const PageContext& context, FindPosition& find, CompareWithWorn compare, QWidget* parent);
    void btnFWClick();
    void btnResetWClick();
    void ApplyClassPreset(const ClassPreset& preset);

private:
    QComboBox* cbxMag2;
    QCheckBox* chkNMW;
    QCheckBox* chk1h;
    QCheckBox* chk2h;
    QCheckBox* chkE;
    QCheckBox* chkB;
    ConditionStrip* conditions_;
};

class SpellsPage : public ListPage {
public:
    SpellsPage(const PageContext& context, FindPosition& find, QWidget* parent);
    void btnFiltSpellsClick();
    void btnRspellsClick();
    void ApplyClassPreset(const ClassPreset& preset);

private:
    QCheckBox* chkM1;
    QCheckBox* chkM2;
    QCheckBox* chkM3;
};

}  // namespace vantor
