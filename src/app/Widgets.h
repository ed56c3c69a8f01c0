#pragma once
// Small builders for the controls every page makes, and the busy cursor.

#include <QString>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace vantor {

// The hourglass for the whole application, taken down however the work ends.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The system's decimal separator when it is a single ASCII character, else '.'.
char SystemDecimalSeparator();

// A push button that never acts as the default button.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint = {});
// A read-only memo with its vertical scroll bar always shown.
QPlainTextEdit* MakeMemo(QWidget* parent, const char* name);
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, const QString& hint = {});
QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& text, const QString& hint = {});

}  // namespace vantor
