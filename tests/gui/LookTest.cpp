// How the windows read: no two controls of a window answer one Alt key, and every coloured readout
// keeps its text readable on its background.
#include "GuiTest.h"
#include "app/common/Colours.h"

#include <QAbstractButton>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>

using namespace vantor;

namespace {

// The letter after a single "&" of a caption, lower case; none without one.
QChar Mnemonic(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// The captions of window that answer an Alt key now: visible buttons, group boxes, labels with a
// buddy, the tabs of its tab bars and the titles of its menu bar.
QStringList ActiveCaptions(QWidget& window)
{
    QStringList out;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window)) continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) out << b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) out << g->title();
        if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy()) out << l->text();
        if (auto* bar = qobject_cast<QMenuBar*>(w))
            for (const QAction* menu : bar->actions()) out << menu->text();
        if (auto* t = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < t->count(); ++i)
                if (t->isTabVisible(i)) out << t->tabText(i);
    }
    return out;
}

// The captions that share a letter with another, with each page of the window's tab widgets shown
// in turn; allowed: pairs the window's design fixes.
QStringList Clashes(QWidget& window, const QSet<QString>& allowed = {})
{
    QStringList clashes;
    const auto check = [&] {
        QMap<QChar, QStringList> byKey;
        for (const QString& caption : ActiveCaptions(window))
            if (const QChar key = Mnemonic(caption); !key.isNull()) byKey[key] << caption;
        for (auto at = byKey.begin(); at != byKey.end(); ++at) {
            QStringList sharing = at.value();
            sharing.sort();
            if (sharing.size() > 1 && !allowed.contains(sharing.join(" / "))) clashes << sharing.join(" / ");
        }
    };
    const QList<QTabWidget*> tabs = window.findChildren<QTabWidget*>();
    if (tabs.isEmpty()) check();
    for (QTabWidget* t : tabs)
        for (int i = 0; i < t->count(); ++i)
            if (t->isTabVisible(i)) {
                t->setCurrentIndex(i);
                check();
            }
    clashes.removeDuplicates();
    return clashes;
}

}  // namespace

class LookTest : public QObject, WindowFixture {
    Q_OBJECT

private slots:
    void init()
    {
        ui = FakeUserInterface();
        dir.Write("Items.txt", EquipmentItems());
        dir.Write("set.kreq", "cbxHead=102\r\n");
        Open();
    }
    void cleanup() { v.reset(); }

    void noTwoControlsOfAWindowShareAnAltKey()
    {
        QCOMPARE(Clashes(*v, {"&Save Eq / &Spells"}).join("\n"), QString());
        auto* tabs = Ctl<QTabWidget>(*v, "TDisplay");
        const struct {
            const char* Page;
            std::function<void()> Open;
            const char* Window;
        } windows[] = {
            {"Equipment", [&] { Click("btnBestSet"); }, "dlgBestSet"},
            {"Equipment", [&] { Click("btnUpgradePath"); }, "dlgUpgradePath"},
            {"Equipment", [&] { Click("btnWhatNext"); }, "dlgHunt"},
            {"Equipment", [&] { Click("btnScales"); }, "dlgScales"},
            {"Equipment",
             [&] {
                 ui.OpenAnswer = QString::fromStdString(dir.Path()) + "/set.kreq";
                 Click("btnCompareSets");
             },
             "dlgCompareSets"},
            {"TabSheet1",
             [&] {
                 List("lstArmor")->setCurrentIndex(List("lstArmor")->model()->index(0, 0));
                 List("lstArmor")->findChild<QAction*>("actCompare")->trigger();
             },
             "dlgCompare"},
        };
        QStringList clashes;
        for (const auto& w : windows) {
            tabs->setCurrentWidget(Ctl<QWidget>(*v, w.Page));
            w.Open();
            auto* window = Ctl<QDialog>(*v, w.Window);
            for (const QString& clash : Clashes(*window)) clashes << QString(w.Window) + ": " + clash;
            window->close();
            delete window;
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join("\n")));
        QVERIFY(ui.Errors.isEmpty());
    }

    void everyColourReadsOnWhatItStandsOn()
    {
        const QColor light = QPalette().color(QPalette::Base), dark(0x2a, 0x2a, 0x2a);
        const struct {
            const char* What;
            ColourPair Pair;
        } pairs[] = {
            {"None", CategoryColours(EncumbranceCategory::None)},
            {"Light", CategoryColours(EncumbranceCategory::Light)},
            {"Medium", CategoryColours(EncumbranceCategory::Medium)},
            {"Heavy", CategoryColours(EncumbranceCategory::Heavy)},
            {"a gain, light", {GoodColour(light), light}},
            {"a gain, dark", {GoodColour(dark), dark}},
            {"a gain, white", {GoodColour(Qt::white), Qt::white}},
            {"a copied input, light", {MutedColour(light), light}},
            {"a copied input, dark", {MutedColour(dark), dark}},
        };
        for (const auto& p : pairs)
            QVERIFY2(ContrastRatio(p.Pair.Text, p.Pair.Base) >= 4.5,
                     qPrintable(QString("%1: %2").arg(p.What).arg(ContrastRatio(p.Pair.Text, p.Pair.Base))));
        QCOMPARE(ContrastRatio(Qt::black, Qt::white), 21.0);

        // On a dark desktop the "Enc" box sets its text with its background.
        v.reset();
        const QPalette before = QApplication::palette();
        QPalette night = before;
        for (const auto& [role, colour] :
             {std::pair{QPalette::Base, dark}, std::pair{QPalette::Text, QColor(Qt::white)},
              std::pair{QPalette::Window, dark}})
            night.setColor(role, colour);
        QApplication::setPalette(night);
        Open();
        const QPalette enc = Edit("edtEnc")->palette();
        QVERIFY(ContrastRatio(enc.color(QPalette::Text), enc.color(QPalette::Base)) >= 4.5);
        v.reset();
        QApplication::setPalette(before);
    }
};

int RunLookTest(int argc, char** argv)
{
    LookTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LookTest.moc"
