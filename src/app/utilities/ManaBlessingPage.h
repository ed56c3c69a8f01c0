#pragma once
// The "&Mana Blessing" page: up to ten lasting spells, and the mana per tick that keeps them up.

#include "app/common/ControlStates.h"
#include "app/common/PageContext.h"
#include "filters/Profile.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QLineEdit;

namespace vantor {

class CharacterPanel;
class EventGuard;
class SpellEntries;

class ManaBlessingPage : public QWidget {
    Q_OBJECT
public:
    ManaBlessingPage(const PageContext& context, QWidget* parent);

    // "&Filter": the ten lists offer the blessings the character casts, "*None*" chosen.
    void btnLManaBlessClick();
    // The blessings a character of the profile casts, in name order. Reads the spells only, so
    // it may run on another thread while nothing changes them.
    std::vector<TSpell*> Blessings(const Profile& profile) const;
    // The ten lists offer these blessings, "*None*" chosen.
    void Offer(std::vector<TSpell*> blessings);
    // A pick in any list: the upkeep of all ten.
    void cbxBS1Change();
    // The top panel as "&Filter" last read it; none while the lists offer what the load offered.
    const std::optional<ControlStates>& Filtered() const { return filtered_; }
    // "&Filter" run again with the top panel as it was then, which then stays.
    void Refilter(const ControlStates& states);
    // The blessings the top panel's character may cast, as the load offers them.
    void ShowAll();

private:
    EventGuard& events_;
    LoadedData& data_;  // the loaded spells: a pick keeps its duration in the spell
    const CharacterPanel& character_;
    char decimalSep_;
    SpellEntries* entries_;  // one model for all ten lists
    std::array<QComboBox*, 10> lists_{};
    QLineEdit* edtMtickReq;
    std::optional<ControlStates> filtered_;
};

}  // namespace vantor
