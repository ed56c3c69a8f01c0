#pragma once
// The readouts of the equipment page: what the set adds up to, its encumbrance against the
// character's limits, what the player types beside the set (modifier, misc. encumbrance and AC),
// and the ability summary.

#include "equipment/Totals.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace vantor {

class EventGuard;

class EquipmentReadouts : public QWidget {
    Q_OBJECT
public:
    // The boxes others read, write or watch.
    enum class Box { Enc, MaxEnc, EncModifier, MiscEnc, MiscAC };

    EquipmentReadouts(EventGuard& events, char decimalSep, QWidget* parent);

    QString Text(Box box) const;
    // Writes a box; its change handler runs when the text changes.
    void SetText(Box box, const QString& text);
    // Runs handler whenever the box's text changes.

    // The set's totals and ability summary in the readouts.
    void ShowTotals(const EquipmentTotals& totals, const std::string& summary);
    // Empties the readouts of the totals (not the maximum, the summary or what the player typed).
    void ClearTotals();
    // The three limits of "Max Enc" and the category of "Enc" among them, coloured; false, with
    // "???" for the limits, when either does not read as a number.
    bool ShowCategory();

    // The boxes the player types in, and the summary, in tab order.
    std::vector<QWidget*> TabOrder() const;

private:
    void BuildTotals(QGridLayout* grid);
    int BuildLimits(QGridLayout* grid, int row);
    void BuildInputs(QGridLayout* grid, int row);
    QLineEdit* BoxOf(Box box) const;

    EventGuard& events_;
    char decimalSep_;
    QLineEdit* edtAC;
    QLineEdit* edtDR;
    QLineEdit* edtEnc;
    QLineEdit* edtMEnc;
    QLineEdit* edtAcc;
    QLineEdit* edtCrit;
    QLineEdit* edtStealth;
    QLineEdit* edtMR;
    QLineEdit* edtDodge;
    QLineEdit* edtMaxDmg;
    QLabel* Label77;
    QLabel* lbllightenc;
    QLabel* lblmedenc;
    QLabel* lblheavyenc;
    QLineEdit* edtEncM;
    QLineEdit* edtEenc;
    QLineEdit* edtMiscAC;
    QPlainTextEdit* mmoAttribSummary;

signals:
    // A box's text changed, typed or written.
    void Changed(EquipmentReadouts::Box box);
};

}  // namespace vantor
