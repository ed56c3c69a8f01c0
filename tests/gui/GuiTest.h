#pragma once
// Helpers for driving the real window offscreen: open it on a folder, find its controls by name.

#include "FakeUserInterface.h"
#include "app/window/Viewer.h"
#include "domain/TestFiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include <memory>

// A control of the window (or of one of its dialogs) by its name.
template <class T>
T* Ctl(QWidget& v, const char* name)
{
    T* w = v.findChild<T*>(name);
    if (!w) qFatal("no control %s", name);
    return w;
}

// The player's settings file the windows of the tests read and write (a scratch one: the tests
// run in QStandardPaths' test mode).
inline QString SettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/settings.ini";
}

// Every window of a test starts from empty settings.
inline void ForgetSettings() { QDir(QFileInfo(SettingsPath()).absolutePath()).removeRecursively(); }

// A window on the data of dir, shown and through its first activation, with empty settings.
inline std::unique_ptr<vantor::TViewer> OpenViewer(FakeUserInterface& ui, const QString& dir)
{
    ForgetSettings();
    auto v = std::make_unique<vantor::TViewer>(ui, dir);
    v->show();
    QEvent activate(QEvent::WindowActivate);  // the first activation runs the load
    QApplication::sendEvent(v.get(), &activate);
    return v;
}

// The texts of a drop-down list's entries.
inline QStringList Entries(const QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
    return out;
}

// A window on data of the test's own, with its controls by name.
class WindowFixture {
protected:
    FakeUserInterface ui;
    testfiles::TempDir dir;
    std::unique_ptr<vantor::TViewer> v;

    void Open() { v = OpenViewer(ui, QString::fromStdString(dir.Path())); }
    // A window on the bundled sample data, from empty settings.
    void OpenSampleWorld()
    {
        v.reset();
        for (const char* file : {"Items.txt", "spells.txt"}) {
            const QString to = QString::fromStdString(dir.Path()) + "/" + file;
            QFile::remove(to);
            QVERIFY(QFile::copy(QString(VANTOR_SAMPLE_DIR) + "/" + file, to));
        }
        Open();
    }
    // A window as the next start opens it: the settings the last one left.
    void Restart(const QString& openAtStart = {})
    {
        if (v) v->close();
        v.reset();
        v = std::make_unique<vantor::TViewer>(ui, QString::fromStdString(dir.Path()));
        if (!openAtStart.isEmpty()) v->OpenAtStart(openAtStart);
        v->show();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(v.get(), &activate);
    }

    QComboBox* Box(const char* name) { return Ctl<QComboBox>(*v, name); }
    QCheckBox* Check(const char* name) { return Ctl<QCheckBox>(*v, name); }
    QLineEdit* Edit(const char* name) { return Ctl<QLineEdit>(*v, name); }
    QTreeView* List(const char* name) { return Ctl<QTreeView>(*v, name); }
    QString Text(const char* name) { return Edit(name)->text(); }
    QString Caption(const char* name) { return Ctl<QLabel>(*v, name)->text(); }
    QString Shown(const char* name) { return Box(name)->currentText(); }
    void Type(const char* name, const QString& text) { Edit(name)->setText(text); }
    void Click(const char* name) { Ctl<QPushButton>(*v, name)->click(); }
    // Everything the window shows in its named controls, each by its place among named parents:
    // texts, ticks, entries, list rows and sorting, splitters, pages.
    QMap<QString, QString> Shows()
    {
        QMap<QString, QString> shows;
        for (QWidget* w : v->findChildren<QWidget*>()) {
            if (w->objectName().isEmpty() || w->window() != v.get()) continue;
            QString path = w->objectName();
            for (QWidget* p = w->parentWidget(); p && p != v.get(); p = p->parentWidget())
                if (!p->objectName().isEmpty()) path = p->objectName() + "/" + path;
            QString& shown = shows[path];
            if (auto* e = qobject_cast<QLineEdit*>(w)) shown = e->text();
            if (auto* m = qobject_cast<QPlainTextEdit*>(w)) shown = m->toPlainText();
            if (auto* l = qobject_cast<QLabel*>(w)) shown = l->text();
            if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable())
                shown = b->isChecked() ? "ticked" : "";
            if (auto* c = qobject_cast<QComboBox*>(w))
                shown = QString("%1 of %2").arg(c->currentText()).arg(c->count());
            if (auto* t = qobject_cast<QTabWidget*>(w)) shown = QString::number(t->currentIndex());
            if (auto* sp = qobject_cast<QSplitter*>(w)) shown = QString::number(sp->sizes().value(0));
            if (auto* list = qobject_cast<QTreeView*>(w)) {
                QStringList rows;
                for (int r = 0; r < std::min(list->model()->rowCount(), 5); ++r)
                    rows << list->model()->index(r, 0).data().toString();
                shown = QString("%1 rows, sorted by %2 %3: %4")
                            .arg(list->model()->rowCount())
                            .arg(list->header()->sortIndicatorSection())
                            .arg(list->header()->sortIndicatorOrder())
                            .arg(rows.join(", "));
            }
        }
        return shows;
    }
    // The entries of the two maps that differ.
    static QStringList Differences(const QMap<QString, QString>& a, const QMap<QString, QString>& b)
    {
        QStringList out;
        for (auto at = a.begin(); at != a.end(); ++at)
            if (b.value(at.key()) != at.value())
                out << QString("%1: \"%2\" became \"%3\"").arg(at.key(), at.value(), b.value(at.key()));
        return out;
    }
};

// Picks an entry as the user does, with the keyboard on the closed list.
inline void Pick(QComboBox* box, const QString& text)
{
    const int i = box->findText(text);
    QVERIFY2(i >= 0, qPrintable(box->objectName() + ": " + text));
    box->setCurrentIndex(i > 0 ? i - 1 : 1);
    QTest::keyClick(box, i > 0 ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(box->currentIndex(), i);
}

// The sixteen slot lists' names, top to bottom.
extern const char* const kSlotNames[16];
// Items for every kind of slot: helms, rings, a cloak with an encumbrance bonus, weapons, and a
// crown too heavy to add up.
std::string EquipmentItems();

// Clicks a list's column header as the player does.
inline void ClickHeader(QTreeView* list, int column)
{
    QHeaderView* h = list->header();
    list->scrollTo(list->model()->index(0, column));
    const QPoint at(h->sectionViewportPosition(column) + h->sectionSize(column) / 2, h->height() / 2);
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, at);
}

// A small data folder of every kind of record: armour, weapons, other items, three spells.
void WriteHandMadeData(const testfiles::TempDir& dir);

// Each test class of the window runs from the one main.
int RunViewerTest(int argc, char** argv);
int RunEquipmentPageTest(int argc, char** argv);
int RunProfileTest(int argc, char** argv);
int RunUtilitiesTest(int argc, char** argv);
int RunBadInputTest(int argc, char** argv);
int RunSetChangesTest(int argc, char** argv);
int RunScalesTest(int argc, char** argv);
int RunPlanTest(int argc, char** argv);
int RunSessionTest(int argc, char** argv);
int RunLookTest(int argc, char** argv);
int RunDesktopTest(int argc, char** argv);
int RunCharactersTest(int argc, char** argv);
