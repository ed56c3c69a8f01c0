#pragma once
// The colours the window sets itself, each with the colour it stands on, so that a readout reads
// on a light and on a dark desktop alike: every pair keeps a contrast of at least 4.5 to 1.

#include "equipment/Encumbrance.h"

#include <QColor>

class QLineEdit;

namespace vantor {

struct ColourPair {
    QColor Text, Base;
};

// The contrast of two colours as the web's accessibility guidelines measure it: 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// The "Enc" box in each category: white, green, yellow or red, with a text that reads on it.
ColourPair CategoryColours(EncumbranceCategory category);
// A box's text and background both set.
void SetColours(QLineEdit& box, const ColourPair& colours);

// The green of a gain or a better value, and the grey of a copied input, on base.
QColor GoodColour(const QColor& base);
QColor MutedColour(const QColor& base);

}  // namespace vantor
