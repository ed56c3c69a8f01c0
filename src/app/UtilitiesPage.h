#pragma once
// The "&Utilities" page: the calculators. The swing calculator's weapon list and its two
// encumbrance boxes are fed by the equipment planner.

#include "equipment/SlotLists.h"

#include <QWidget>

#include <string_view>

class QComboBox;
class QLineEdit;

namespace vantor {

class EventGuard;
class SlotListModel;

class UtilitiesPage : public QWidget {
public:
    UtilitiesPage(EventGuard& events, QWidget* parent);

    // The weapons the swing calculator offers, "*None*" first; selects "*None*".
    void FillSwingWeapons(SlotList&& weapons);
    // Selects the first weapon of that name, letter case aside; no selection when there is none.
    void SelectSwingWeapon(std::string_view name);
    // The maximum and current encumbrance of the planned equipment, in that order.
    void ShowEncumbrance(const QString& maxEnc, const QString& enc);
    // The character's agility, saved and restored with equipment sets.
    QString AgilityText() const;
    void SetAgility(const QString& text);

private:
    EventGuard& events_;
    SlotList weapons_;
    SlotListModel* weaponRows_;
    QComboBox* cbxUWeapon;
    QLineEdit* edtUagil;
    QLineEdit* edtUenc;
    QLineEdit* edtUMenc;
};

}  // namespace vantor
