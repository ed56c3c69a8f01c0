// The window as a desktop program: the menu bar and its keys, recent sets, a dropped set file,
// the status line, export, the manual and About, the remembered column widths.
#include "GuiTest.h"
#include "app/common/Export.h"
#include "lists/LoadRecords.h"
#include "lists/SpellNotes.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>

using namespace vantor;

class DesktopTest : public QObject, WindowFixture {
    Q_OBJECT

    QString Status() { return v->statusBar()->currentMessage(); }
    QString Path(const char* name) { return QString::fromStdString(dir.Path()) + '/' + name; }
    QAction* Act(const char* name) { return Ctl<QAction>(*v->menuBar(), name); }
    QTabWidget* Tabs() { return Ctl<QTabWidget>(*v, "TDisplay"); }
    void Drop(const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(v.get(), &enter);
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(v.get(), &drop);
    }
    void SelectFirstArmour()
    {
        Tabs()->setCurrentIndex(0);
        List("lstArmor")->setCurrentIndex(List("lstArmor")->model()->index(0, 0));
    }
    QMenuBar* MenuBar() { return v->menuBar(); }

private slots:
    void init()
    {
        ui = FakeUserInterface();
        dir.Write("Items.txt", EquipmentItems());
        dir.Write("set.kreq", "cbxHead=102\r\n");
        dir.Write("notes.txt", "shopping list\r\n");
        Open();
    }
    void cleanup() { v.reset(); }

    void menuEntriesRunTheirActionsByKey()
    {
        const struct {
            const char* Action;
            QKeySequence Keys;  // empty: chosen from the menu
            std::function<void()> Before;
            std::function<bool()> Done;
        } entries[] = {
            {"actOpenSet", QKeySequence("Ctrl+O"), [&] { ui.OpenAnswer = Path("set.kreq"); },
             [&] { return Shown("cbxHead") == "Iron Helm"; }},
            {"actSaveSetAs", QKeySequence("Ctrl+Shift+S"), [&] { ui.SaveAnswer = Path("saved"); },
             [&] { return QFile::exists(Path("saved.kreq")) && Status().startsWith("Set saved to "); }},
            {"actSaveSet", QKeySequence("Ctrl+S"),
             [&] {
                 ui.SaveAnswer.clear();  // the file in use: no dialog
                 QFile::remove(Path("saved.kreq"));
             },
             [&] { return QFile::exists(Path("saved.kreq")); }},
            {"actUndo", {}, [] {}, [&] { return Shown("cbxHead") == "*None*"; }},
            {"actRedo", {}, [] {}, [&] { return Shown("cbxHead") == "Iron Helm"; }},
            {"actPasteSet", QKeySequence("Ctrl+Shift+V"), [&] { ui.Clipboard = "Bronze Helm (Head)"; },
             [&] { return Shown("cbxHead") == "Bronze Helm"; }},
            {"actPage2", QKeySequence("Ctrl+2"), [] {}, [&] { return Tabs()->currentIndex() == 1; }},
            {"actPage5", QKeySequence("Ctrl+5"), [] {}, [&] { return Tabs()->currentIndex() == 4; }},
            {"actMenuCopy",
             {},
             [&] { SelectFirstArmour(); },
             [&] { return !ui.Clipboard.contains('\n') && Status() == "Copied 1 row"; }},
            {"actMenuCopyWithHeader",
             {},
             [&] { SelectFirstArmour(); },
             [&] { return ui.Clipboard.startsWith("Name\t") && Status() == "Copied 1 row with the header"; }},
            {"actScales", {}, [] {}, [&] { return v->findChild<QDialog*>("dlgScales") != nullptr; }},
            {"actCompareSets",
             {},
             [&] { ui.OpenAnswer = Path("set.kreq"); },
             [&] { return v->findChild<QDialog*>("dlgCompareSets") != nullptr; }},
            {"actManual", QKeySequence("F1"), [&] { Tabs()->setCurrentIndex(4); },
             [&] {
                 auto* manual = v->findChild<QDialog*>("dlgManual");
                 return manual && manual->isVisible() &&
                        Ctl<QTextBrowser>(*manual, "txtManual")->source().fragment() == "equipment";
             }},
            {"actAbout",
             {},
             [] {},
             [&] {
                 auto* about = v->findChild<QDialog*>("dlgAbout");
                 const QString text = about ? Ctl<QLabel>(*about, "lblAbout")->text() : QString();
                 return text.contains(QString::fromStdString(dir.Path())) &&
                        text.contains("holds 12 items and 0 spells");
             }},
            {"actQuit", QKeySequence("Ctrl+Q"), [] {}, [&] { return !v->isVisible(); }},
        };
        for (const auto& e : entries) {
            QApplication::setActiveWindow(v.get());  // keys go to the active window
            e.Before();
            if (e.Keys.isEmpty())
                Act(e.Action)->trigger();
            else
                QTest::keySequence(v.get(), e.Keys);
            QVERIFY2(e.Done(),
                     qPrintable(QString(e.Action) + ": " + Status() + ui.Errors.join('|') + ui.Messages.join('|')));
            QCOMPARE(Act(e.Action)->shortcut(), e.Keys.isEmpty() ? Act(e.Action)->shortcut() : e.Keys);
            for (QDialog* d : v->findChildren<QDialog*>()) d->close();
        }
        QVERIFY2(ui.Errors.isEmpty() && ui.Messages.isEmpty(), qPrintable(ui.Errors.join('|') + ui.Messages.join('|')));
    }

    void recentSetsKeepTheLastTenAndForgetTheGone()
    {
        for (int i = 0; i < 12; ++i) {
            const QString name = QString("set%1.kreq").arg(i);
            dir.Write(name.toStdString(), i % 2 ? "cbxHead=101\r\n" : "cbxHead=102\r\n");
            ui.OpenAnswer = Path(qPrintable(name));
            Act("actOpenSet")->trigger();
        }
        auto* recent = Ctl<QMenu>(*MenuBar(), "menuRecent");
        QCOMPARE(recent->actions().size(), 10);
        QCOMPARE(recent->actions().first()->text(), "&1 set11.kreq");
        recent->actions().at(1)->trigger();  // set10: the Iron Helm
        QCOMPARE(Shown("cbxHead"), "Iron Helm");
        QCOMPARE(recent->actions().first()->text(), "&1 set10.kreq");
        QFile::remove(Path("set9.kreq"));
        recent->actions().at(2)->trigger();
        QVERIFY(Status().contains("set9.kreq is no longer there"));
        QCOMPARE(recent->actions().size(), 9);
        QCOMPARE(Shown("cbxHead"), "Iron Helm");
        // The list is kept for the next start.
        v->close();
        v = std::make_unique<TViewer>(ui, QString::fromStdString(dir.Path()));
        QCOMPARE(Ctl<QMenu>(*v->menuBar(), "menuRecent")->actions().size(), 9);
    }

    void droppedFilesOpenAsLoadEqOpensThem()
    {
        const struct {
            QList<QUrl> Urls;
            const char* Head;   // the head slot after
            const char* Error;  // what the box says; empty: none
        } drops[] = {{{QUrl::fromLocalFile(Path("set.kreq"))}, "Iron Helm", ""},
                     {{QUrl::fromLocalFile(QString::fromStdString(dir.Path()))}, "Iron Helm", "It is a folder."},
                     {{QUrl::fromLocalFile(Path("notes.txt"))}, "Iron Helm", "It is not an equipment set."}};
        for (const auto& d : drops) {
            ui.Errors.clear();
            Drop(d.Urls);
            QCOMPARE(Shown("cbxHead"), d.Head);
            QCOMPARE(ui.Errors.value(0).contains(d.Error) && ui.Errors.isEmpty() == !*d.Error, true);
        }
        Click("btnUndo");  // the drop was one step
        QCOMPARE(Shown("cbxHead"), "*None*");
    }

    void statusLineSaysWhatThePageShows()
    {
        auto* summary = Ctl<QLabel>(*v, "lblPageSummary");
        Tabs()->setCurrentIndex(0);
        QCOMPARE(summary->text(), "8 of 8 armour items; sorted by Name");
        ClickHeader(List("lstArmor"), 0);
        QCOMPARE(summary->text(), "8 of 8 armour items; sorted by Name, descending");
        Tabs()->setCurrentIndex(1);
        QVERIFY(summary->text().startsWith("2 of 2 weapons"));
        Tabs()->setCurrentIndex(4);
        QCOMPARE(summary->text(), "");
        // Notices go after ten seconds.
        Act("actMenuCopy")->trigger();
        QVERIFY(Status().startsWith("Copy and Export work on the lists"));
        QTRY_VERIFY_WITH_TIMEOUT(Status().isEmpty(), 11000);
    }

    void exportWritesTheTableAsShownAndThePlotAsAPicture()
    {
        // Cells as shown, with "." for decimals whatever the locale, quoted where they must be.
        QStandardItemModel model(1, 3);
        model.setHorizontalHeaderLabels({"Name", "AC", "Gain"});
        const QStringList cells{"Helm, \"old\"", "2,5", "+1,25"};
        for (int c = 0; c < 3; ++c) model.setItem(0, c, new QStandardItem(cells[c]));
        QCOMPARE(CsvText(model, ','), "Name,AC,Gain\r\n\"Helm, \"\"old\"\"\",2.5,+1.25\r\n");
        QCOMPARE(CsvText(model, '.'), "Name,AC,Gain\r\n\"Helm, \"\"old\"\"\",\"2,5\",\"+1,25\"\r\n");
        // The armour list from its menu, read back.
        SelectFirstArmour();
        ui.SaveAnswer = Path("armour");
        List("lstArmor")->findChild<QAction*>("actExport")->trigger();
        QFile csv(Path("armour.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(csv.readAll()).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 9);
        QVERIFY(lines[0].startsWith("Name,"));
        QVERIFY(lines.join('\n').contains("Bronze Helm,"));
        QVERIFY(Status().startsWith("Exported to "));
        // A path that cannot be written: a message naming it, nothing written.
        ui.SaveAnswer = Path("no-such-folder/armour.csv");
        List("lstArmor")->findChild<QAction*>("actExport")->trigger();
        QVERIFY(ui.Messages.value(0).contains("no-such-folder"));
        // A plot as PNG and SVG, at its size.
        Tabs()->setCurrentIndex(4);
        Click("btnUpgradePath");
        auto* plan = Ctl<QDialog>(*v, "dlgUpgradePath");
        plan->resize(700, 560);
        Ctl<QPushButton>(*plan, "btnPathSearch")->click();
        QTRY_VERIFY(Ctl<QPushButton>(*plan, "btnPathSearch")->isEnabled());
        QWidget* chart = Ctl<QWidget>(*plan, "chtUpgradePath");
        for (const char* name : {"path.png", "path.svg"}) {
            ui.SaveAnswer = Path(name);
            Ctl<QPushButton>(*plan, "btnPathExportPlot")->click();
            QVERIFY2(QFile::exists(Path(name)), name);
        }
        QCOMPARE(QImage(Path("path.png")).size(), chart->size());
        QFile svg(Path("path.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("<svg"));
    }

    void spellDamageAtTheLevelOfTheTopRow()
    {
        testfiles::TempDir spells;
        WriteHandMadeData(spells);
        v = OpenViewer(ui, QString::fromStdString(spells.Path()));
        SpellList records;
        ItemList items;
        LoadRecords(spells.Path() + "/", records, items, [] {});
        const TSpell& bolt = records[0];
        QTreeView* list = List("lstDisplaySpell");
        const auto cell = [&](int column) { return list->model()->index(0, column).data().toString(); };
        const auto tip = [&] { return list->model()->headerData(10, Qt::Horizontal, Qt::ToolTipRole).toString(); };
        QCOMPARE(cell(0), "Fire Bolt");
        const struct {
            const char* Level;
            int32_t Worked;  // the level the damage is worked out at; 0: the spell's cap
            const char* Tip;
        } levels[] = {{"10", 10, "at level 10"}, {"", 0, "at each spell's level cap"}, {"99", 99, "at level 99"}};
        for (const auto& l : levels) {
            Type("edtAlvl", l.Level);
            const SpellDamage d = DamageOf(bolt, l.Worked);
            QCOMPARE(cell(10), QString::number(*d.Damage));
            QVERIFY2(tip().contains(l.Tip), qPrintable(tip()));
        }
        QVERIFY(DamageOf(bolt, 10).Damage != DamageOf(bolt, 0).Damage);
        QCOMPARE(DamageOf(bolt, 99).Damage, DamageOf(bolt, 0).Damage);  // past its cap
    }

    void columnWidthsComeBackUntilTheLayoutIsReset()
    {
        QTreeView* armour = List("lstArmor");
        Tabs()->setCurrentIndex(0);
        const int fitted = armour->columnWidth(2);
        armour->header()->resizeSection(2, fitted + 40);  // as a drag does
        ClickHeader(armour, 1);
        v->close();
        v = std::make_unique<TViewer>(ui, QString::fromStdString(dir.Path()));
        v->show();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(v.get(), &activate);
        armour = List("lstArmor");
        Tabs()->setCurrentIndex(0);
        QCOMPARE(armour->columnWidth(2), fitted + 40);
        QCOMPARE(armour->header()->sortIndicatorSection(), 1);
        Act("actResetLayout")->trigger();
        QCOMPARE(armour->columnWidth(2), fitted);
        QCOMPARE(armour->header()->sortIndicatorSection(), 0);
    }
};

int RunDesktopTest(int argc, char** argv)
{
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DesktopTest.moc"
