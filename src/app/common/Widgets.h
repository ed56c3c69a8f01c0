#pragma once
// Small builders for the controls every page makes, and the busy cursor.

#include "data/CodeTables.h"

#include <QString>

#include <vector>

class QAbstractItemModel;
class QCheckBox;
class QComboBox;
class QGridLayout;
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
// A label whose mnemonic moves the focus to buddy.
QLabel* MakeBuddyLabel(QWidget* parent, const char* name, const QString& caption, QWidget* buddy,
                       const QString& hint = {});
QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& text, const QString& hint = {});
QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& caption, bool checked = false,
                     const QString& hint = {});

// A labelled row of a grid: the label (the box its buddy) at column, the box after it; the
// label spans labelSpan columns.
QLabel* AddLabelled(QGridLayout& grid, int row, int column, const QString& caption, QWidget* box,
                    const QString& hint = {}, int labelSpan = 1, const char* labelName = "");

// A pick-only drop-down list over model: equal row heights, sized for minimumLength characters,
// so that thousands of entries open at once.
QComboBox* MakeModelBox(QWidget* parent, const char* name, QAbstractItemModel* model, int minimumLength);
// A drop-down list of coded entries, sorted by text, the first selected.
QComboBox* MakeCoded(QWidget* parent, const char* name, const std::vector<CodedEntry>& entries, const QString& hint);
// Fills a drop-down list with coded entries, sorted by text, and selects the first.
void FillCoded(QComboBox& box, const std::vector<CodedEntry>& entries);
// The code of the selected entry of a coded list (0 when nothing is selected).
int32_t SelectedCode(const QComboBox& box);

}  // namespace vantor
