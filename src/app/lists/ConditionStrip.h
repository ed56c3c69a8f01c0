#pragma once
// The condition rows of the armour and weapons pages: up to three "feature or ability, >= <= =,
// value" rows that narrow what the page's filter lists.

#include "filters/Conditions.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLineEdit;

namespace vantor {

class IUserInterface;

class ConditionStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRows = 3;
    // suffix ends each control's name: "" on the armour page (cbxAbility1, cbxAbilityOp1,
    // edtAbilityValue1 ...), "W" on the weapons page (cbxAbility1W ...).
    ConditionStrip(const char* suffix, IUserInterface& ui, char decimalSep, QWidget* parent);

    // The conditions of the rows whose ability is not "(none)". Nothing when a value box of such a
    // row does not read: the player is told which, and the box has the focus.
    std::optional<ItemConditions> Read();
    // Every row back to "(none)".
    void Reset();

private:
    struct Row {
        QComboBox* Ability;
        QComboBox* Op;
        QLineEdit* Value;
    };
    Row rows_[kRows];
    IUserInterface& ui_;
    char decimalSep_;
};

}  // namespace vantor
