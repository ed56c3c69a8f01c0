#include "app/Widgets.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

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

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& text, const QString& hint)
{
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(name);
    e->setToolTip(hint);
    return e;
}

}  // namespace vantor
