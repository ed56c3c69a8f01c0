#pragma once
// "Compare with worn": an item beside what is worn in each slot it would take, stat by stat, the
// better value in bold, and how the set's encumbrance category would change with the swap.

#include "equipment/Compare.h"

#include <QDialog>

namespace vantor {

class CompareWindow : public QDialog {
    Q_OBJECT
public:
    // names: the item's name and, per comparison, the worn item's ("*None*" for an empty slot);
    // scaleName: the scale the comparisons' scores are under.
    CompareWindow(const QString& itemName, const std::vector<Comparison>& comparisons, const QStringList& wornNames,
                  const QString& scaleName, char decimalSep, QWidget* parent);
    // Opens the window for item against the set chosen with its inputs, under the scale; false when
    // no slot takes the item.
    static bool Open(const TItem& item, const ChosenItems& chosen, const SetInputs& in, const Scale& scale,
                     char decimalSep, QWidget* parent);
};

}  // namespace vantor
