#include "app/utilities/CalculatorFields.h"

#include "app/common/Bytes.h"
#include "app/common/Colours.h"
#include "app/common/Widgets.h"
#include "data/Text.h"
#include "data/TypedNumber.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPalette>

namespace vantor {

// A calculator's box: narrow, with its label in front.
QLineEdit* AddBox(QGridLayout* grid, int row, int column, const char* name, const char* caption, const QString& text,
                  const QString& hint, const char* labelName, int labelSpan)
{
    QLineEdit* box = MakeEdit(grid->parentWidget(), name, text, hint);
    box->setFixedWidth(60);
    AddLabelled(*grid, row, column, caption, box, {}, labelSpan, labelName);
    return box;
}

// Read-only results, and the copied inputs shown in grey.
void MakeResult(QLineEdit* box) { box->setReadOnly(true); }

void MakeGrey(QLineEdit* box)
{
    QPalette p = box->palette();
    p.setColor(QPalette::Text, MutedColour(p.color(QPalette::Base)));
    box->setPalette(p);
}

int32_t Number(const QLineEdit* box) { return GetNumber(ToBytes(box->text())); }

QString Real(double v, char sep) { return FromBytes(FormatReal(v, sep)); }

}  // namespace vantor
