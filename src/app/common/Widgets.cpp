#include "app/common/Widgets.h"

#include "data/Text.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace vantor {

WaitCursor::WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
WaitCursor::~WaitCursor() { QApplication::restoreOverrideCursor(); }

char SystemDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point[0].unicode() < 0x80) return static_cast<char>(point[0].unicode());
    return '.';
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setToolTip(hint);
    return b;
}

QPlainTextEdit* MakeMemo(QWidget* parent, const char* name)
{
    auto* m = new QPlainTextEdit(parent);
    m->setObjectName(name);
    m->setReadOnly(true);
    m->setPlainText(QString());  // one empty line
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return m;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setToolTip(hint);
    return l;
}

QLabel* MakeBuddyLabel(QWidget* parent, const char* name, const QString& caption, QWidget* buddy, const QString& hint)
{
    QLabel* l = MakeLabel(parent, name, caption, hint);
    l->setBuddy(buddy);
    return l;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& text, const QString& hint)
{
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(name);
    e->setToolTip(hint);
    return e;
}

QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& caption, bool checked, const QString& hint)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    box->setToolTip(hint);
    return box;
}

QLabel* AddLabelled(QGridLayout& grid, int row, int column, const QString& caption, QWidget* box, const QString& hint,
                    int labelSpan, const char* labelName)
{
    QLabel* label = MakeBuddyLabel(grid.parentWidget(), labelName, caption, box, hint);
    grid.addWidget(label, row, column, 1, labelSpan);
    grid.addWidget(box, row, column + labelSpan);
    return label;
}

QComboBox* MakeModelBox(QWidget* parent, const char* name, QAbstractItemModel* model, int minimumLength)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(false);
    // Thousands of entries: equal row heights, and no measuring of every entry for the width.
    auto* view = new QListView(box);
    view->setUniformItemSizes(true);
    box->setView(view);
    box->setModel(model);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(minimumLength);
    return box;
}

QComboBox* MakeCoded(QWidget* parent, const char* name, const std::vector<CodedEntry>& entries, const QString& hint)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setToolTip(hint);
    FillCoded(*box, entries);
    return box;
}

void FillCoded(QComboBox& box, const std::vector<CodedEntry>& entries)
{
    std::vector<CodedEntry> sorted = entries;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const CodedEntry& a, const CodedEntry& b) { return CompareText(a.Text, b.Text) < 0; });
    box.clear();
    for (const CodedEntry& e : sorted) box.addItem(QString::fromLatin1(e.Text), e.Code);
    box.setCurrentIndex(0);
}

int32_t SelectedCode(const QComboBox& box) { return box.currentIndex() < 0 ? 0 : box.currentData().toInt(); }

}  // namespace vantor
