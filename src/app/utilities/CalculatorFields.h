#pragma once
// What the calculator boxes of the "&Utilities" page share: a narrow labelled box, read-only
// results, copied inputs in grey, and reading and writing their numbers.

#include <QString>

#include <cstdint>

class QGridLayout;
class QLineEdit;

namespace vantor {

// A calculator's box: narrow, with its label in front.
QLineEdit* AddBox(QGridLayout* grid, int row, int column, const char* name, const char* caption,
                  const QString& text = {}, const QString& hint = {}, const char* labelName = "", int labelSpan = 1);
// Read-only results, and the copied inputs shown in grey.
void MakeResult(QLineEdit* box);
void MakeGrey(QLineEdit* box);
// A box's whole number, as the game reads it (raises the conversion error), and a real as shown.
int32_t Number(const QLineEdit* box);
QString Real(double v, char sep);

}  // namespace vantor
