#pragma once
// The armour, weapons and spells pages: a list page with the filter controls of its kind.

#include "app/ListPage.h"
#include "data/CodeTables.h"
#include "filters/ListFilters.h"

class QCheckBox;
class QComboBox;

namespace vantor {

class ArmorPage : public ListPage {
public:
    ArmorPage(EventGuard& events, const Links& links, QWidget* parent);
    // "Filter Armor": the armour the character wears, of the ticked materials.
    void btnFAClick();
    // "&Reset": every piece of armour.
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
};

class WeaponsPage : public ListPage {
public:
    WeaponsPage(EventGuard& events, const Links& links, QWidget* parent);
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
};

class SpellsPage : public ListPage {
public:
    SpellsPage(EventGuard& events, const Links& links, QWidget* parent);
    void btnFiltSpellsClick();
    void btnRspellsClick();
    void ApplyClassPreset(const ClassPreset& preset);

private:
    QCheckBox* chkM1;
    QCheckBox* chkM2;
    QCheckBox* chkM3;
};

// Fills a drop-down list with coded entries, sorted by text, and selects the first.
void FillCoded(QComboBox& box, const std::vector<CodedEntry>& entries);
// The code of the selected entry of a coded list (0 when nothing is selected).
int32_t SelectedCode(const QComboBox& box);

}  // namespace vantor
