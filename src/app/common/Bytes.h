#pragma once
// The data files are single-byte text in the Windows-1252 code page; the window shows Unicode.

#include <QString>

#include <string>
#include <string_view>

namespace vantor {

QString FromBytes(std::string_view bytes);
// The same, with every control byte shown as its picture (U+2400 for NUL, U+2401, ...), so that a
// message shows all of a bad field.
QString VisibleText(std::string_view bytes);
// A message box cannot show megabytes: a text longer than this is shown up to it, followed by
// "… (n more characters)".
constexpr size_t kMaxShownChars = 2000;
QString ShownText(std::string_view bytes);
// Characters outside the code page become '?'.
std::string ToBytes(const QString& text);

}  // namespace vantor
