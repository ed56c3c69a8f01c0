#pragma once
// The "&Utilities" page: the true average, mana regeneration and swing calculators. The level box
// of the top panel feeds the last two; the swing calculator feeds the first.

#include "app/common/PageContext.h"
#include "equipment/SlotLists.h"
#include "filters/Profile.h"

#include <QWidget>

#include <functional>
#include <string_view>

namespace vantor {

class CharacterPanel;
class EventGuard;
class IUserInterface;
class ManaRegenBox;
class SwingBox;
class TrueAverageBox;

class UtilitiesPage : public QWidget {
    Q_OBJECT
public:
    UtilitiesPage(const PageContext& context, QWidget* parent);

    // The level box of the top panel changed: its number goes to both calculators that use it.
    void edtAlvlChange();
    // The three resets, as the start-up runs them.
    void btnTAResetClick();
    void btnQZSwingRClick();
    void btnMRRClick();
    void ApplyClassPreset(const ClassPreset& preset);

    // From the equipment planner.
    void FillSwingWeapons(SlotList&& weapons);
    void SelectSwingWeapon(std::string_view name);
    void ShowEncumbrance(const QString& maxEnc, const QString& enc);
    // The character's agility, saved and restored with equipment sets.
    QString AgilityText() const;
    void SetAgility(const QString& text);

private:
    IUserInterface& ui_;
    const CharacterPanel& character_;
    TrueAverageBox* trueAverage_;
    ManaRegenBox* manaRegen_;
    SwingBox* swings_;
};

}  // namespace vantor
