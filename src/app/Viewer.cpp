#include "app/Viewer.h"

#include "app/Bytes.h"
#include "app/CompareWindow.h"
#include "app/EquipmentPage.h"
#include "app/FilterPages.h"
#include "app/ListPage.h"
#include "app/LoadWindow.h"
#include "app/ManaBlessingPage.h"
#include "app/UtilitiesPage.h"
#include "app/Widgets.h"
#include "data/DataFile.h"
#include "data/CodeTables.h"
#include "data/Errors.h"
#include "data/TypedNumber.h"
#include "filters/Sorting.h"
#include "lists/ItemDump.h"
#include "equipment/SetFile.h"
#include "lists/LoadRecords.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>

namespace vantor {

TViewer::TViewer(IUserInterface& ui, const QString& dataDir, QWidget* parent)
    : QMainWindow(parent), ui_(ui), events_([this](std::exception_ptr e) { ShowError(e); })
{
    setObjectName("Viewer");
    setWindowTitle("Vantor Viewer");
    resize(710, 560);
    setMinimumSize(710, 560);
    BuildTopPanel();
    BuildPages();
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pnlTop);
    layout->addWidget(TDisplay, 1);
    setCentralWidget(central);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    FormCreate();
    if (!dataDir.isEmpty()) DataDir = dataDir.endsWith('/') ? dataDir : dataDir + '/';
    qApp->installEventFilter(this);
}

TViewer::~TViewer()
{
    qApp->removeEventFilter(this);
    // Rows are written from the records, which go before the pages do: empty the lists first.
    for (ListPage* page : std::initializer_list<ListPage*>{armorPage_, weaponsPage_, otherPage_, spellsPage_})
        page->Rows().Clear();
    FinishFreeing();
}

void TViewer::BuildTopPanel()
{
    pnlTop = new QWidget(this);
    pnlTop->setObjectName("pnlTop");
    pnlTop->setFixedHeight(33);
    auto* row = new QHBoxLayout(pnlTop);
    row->setContentsMargins(6, 2, 6, 2);
    row->setSpacing(6);

    lblA = new QLabel("I am a level", pnlTop);
    lblA->setObjectName("lblA");
    edtAlvl = new QLineEdit("65", pnlTop);
    edtAlvl->setObjectName("edtAlvl");
    edtAlvl->setToolTip("Enter your level here");
    edtAlvl->setFixedWidth(40);
    lblA->setBuddy(edtAlvl);
    cbxAClass = new QComboBox(pnlTop);
    cbxAClass->setObjectName("cbxAClass");
    cbxAClass->setMaxVisibleItems(16);
    // The class list shows no tool tip: the hint stays in the "What's This" text.
    cbxAClass->setWhatsThis("Select your class from this list");
    cbxAClass->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Label29 = new QLabel("Str", pnlTop);
    Label29->setObjectName("Label29");
    Label29->setToolTip("Put your character strength here");
    edtStrength = new QLineEdit("100", pnlTop);
    edtStrength->setObjectName("edtStrength");
    edtStrength->setToolTip("How much strength does your character have?");
    edtStrength->setFixedWidth(40);
    Label29->setBuddy(edtStrength);
    chkGood = new QCheckBox("Good?", pnlTop);
    chkGood->setObjectName("chkGood");
    chkGood->setToolTip("Good items?");
    chkNeutral = new QCheckBox("Neutral?", pnlTop);
    chkNeutral->setObjectName("chkNeutral");
    chkNeutral->setToolTip("Neutral items?");
    chkEvil = new QCheckBox("Evil?", pnlTop);
    chkEvil->setObjectName("chkEvil");
    chkEvil->setToolTip("Evil items?");
    btnFilterAll = MakeButton(pnlTop, "btnFilterAll", "Filter all");
    Load = MakeButton(pnlTop, "Load", "&Load");
    Load->setVisible(false);
    Exit = MakeButton(pnlTop, "Exit", "E&xit");

    for (QWidget* w : std::initializer_list<QWidget*>{lblA, edtAlvl, cbxAClass, Label29, edtStrength, chkGood,
                                                      chkNeutral, chkEvil, btnFilterAll, Load})
        row->addWidget(w);
    row->addStretch(1);
    row->addWidget(Exit);

    events_.OnPick(cbxAClass, [this] { cbxAClassChange(); });
    events_.OnToggle(chkGood, [this] { chkGoodClick(); });
    events_.OnToggle(chkNeutral, [this] { chkNeutralClick(); });
    events_.OnToggle(chkEvil, [this] { chkEvilClick(); });
    events_.OnClick(btnFilterAll, [this] { btnFilterAllClick(); });
    events_.OnClick(Load, [this] { LoadClick(); });
    events_.OnClick(Exit, [this] { ExitClick(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, Exit, &QPushButton::click);
}

void TViewer::BuildPages()
{
    TDisplay = new QTabWidget(this);
    TDisplay->setObjectName("TDisplay");
    TDisplay->setUsesScrollButtons(false);
    TDisplay->setElideMode(Qt::ElideNone);
    const auto links = [this](int32_t& column, bool& descending, bool compare) {
        ListPage::Links l{&FindIndex, &Loading, &column, &descending, &Items, &Spells,
                          [this] { return CurrentProfile(); }, [this](const QString& text) { ui_.SetClipboardText(text); }};
        if (compare) l.Compare = [this](const TItem& item) { CompareWithWorn(item); };
        return l;
    };
    armorPage_ = new ArmorPage(events_, links(ArmorSortColumn, ArmorSortDescending, true), TDisplay);
    weaponsPage_ = new WeaponsPage(events_, links(WeaponSortColumn, WeaponSortDescending, true), TDisplay);
    spellsPage_ = new SpellsPage(events_, links(SpellSortColumn, SpellSortDescending, false), TDisplay);
    otherPage_ = new ListPage(ListKind::Other, {"Other", "lstOther", nullptr, nullptr, nullptr, nullptr, nullptr},
                              events_, links(OtherSortColumn, OtherSortDescending, false), TDisplay);
    armorPage_->findChild<QLineEdit*>("edtFind")->setToolTip("Search For");

    EquipmentPage::Links equipment;
    equipment.StrengthText = [this] { return edtStrength->text(); };
    equipment.SetStrength = [this](const QString& text) { events_.SetText(*edtStrength, text); };
    equipment.ClearAlignment = [this] {
        for (QCheckBox* box : {chkGood, chkNeutral, chkEvil}) events_.SetChecked(*box, false);
    };
    equipment.SwingWeaponsFilled = [this](SlotList&& weapons) { utilitiesPage_->FillSwingWeapons(std::move(weapons)); };
    equipment.WeaponChosen = [this](std::string_view name) { utilitiesPage_->SelectSwingWeapon(name); };
    equipment.EncumbranceShown = [this](const QString& maxEnc, const QString& enc) {
        utilitiesPage_->ShowEncumbrance(maxEnc, enc);
    };
    equipment.CurrentProfile = [this] { return CurrentProfile(); };
    equipment.ProfileTexts = [this] {
        SetTexts t;
        t.Strength = ToBytes(edtStrength->text());
        t.Level = ToBytes(edtAlvl->text());
        t.ClassName = cbxAClass->currentIndex() < 0 ? std::string() : ToBytes(cbxAClass->currentText());
        t.Agility = ToBytes(utilitiesPage_->AgilityText());
        t.Good = chkGood->isChecked();
        t.Neutral = chkNeutral->isChecked();
        t.Evil = chkEvil->isChecked();
        return t;
    };
    equipment.RestoreProfile = [this](const SavedProfile& saved) { RestoreProfile(saved); };
    equipment.FilterAll = [this] { btnFilterAllClick(); };
    equipment.AskSetFile = [this](bool save) {
        FileDialogSettings& dialog = save ? SaveDialog1 : OpenDialog1;
        dialog.InitialDir = QDir::currentPath();
        return save ? ui_.SaveFileName(this, dialog.Filter, dialog.InitialDir)
                    : ui_.OpenFileName(this, dialog.Filter, dialog.InitialDir);
    };
    equipment.WornChanged = [this](const ChosenItems& chosen) {
        const std::vector<const TItem*> worn(chosen.begin(), chosen.end());
        armorPage_->Rows().SetWorn(worn);
        weaponsPage_->Rows().SetWorn(worn);
    };
    equipmentPage_ = new EquipmentPage(Items, ui_, events_, std::move(equipment), TDisplay);
    utilitiesPage_ = new UtilitiesPage(ui_, events_,
                                       {[this] { return SelectedCode(*cbxAClass); }, [this] { return edtAlvl->text(); },
                                        [this] { return edtStrength->text(); }},
                                       TDisplay);
    events_.OnTextChange(edtStrength, [this] { equipmentPage_->edtStrengthChange(); });
    events_.OnTextChange(edtAlvl, [this] { utilitiesPage_->edtAlvlChange(); });

    manaBlessingPage_ = new ManaBlessingPage(events_, {&Spells, [this] { return CurrentProfile(); }}, TDisplay);
    TabSheet3 = new QWidget(TDisplay);
    TabSheet3->setObjectName("TabSheet3");
    const std::pair<QWidget*, const char*> pages[] = {
        {armorPage_, "&Armor"},        {weaponsPage_, "&Weapons"},     {spellsPage_, "&Spells"},
        {otherPage_, "&Other"},        {equipmentPage_, "&Equipment"}, {utilitiesPage_, "&Utilities"},
        {manaBlessingPage_, "&Mana Blessing"}, {TabSheet3, "&Memo"}};
    for (const auto& [page, caption] : pages) TDisplay->addTab(page, caption);

    // The memo page.
    mm = MakeMemo(TabSheet3, "mm");
    auto* memoLayout = new QVBoxLayout(TabSheet3);
    memoLayout->setContentsMargins(4, 4, 4, 4);
    memoLayout->addWidget(mm);

    OpenDialog1.Filter = SaveDialog1.Filter = "Equiment files (*.kreq)|*.kreq";

    // Tab order: the top panel left to right, then the pages.
    QWidget* order[] = {edtAlvl, cbxAClass, edtStrength, chkGood, chkNeutral, chkEvil, btnFilterAll, Exit, TDisplay};
    for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void TViewer::CompareWithWorn(const TItem& item)
{
    const std::vector<Slot> targets = CompareSlots(item);
    if (targets.empty()) {
        ui_.ShowMessage(this, "This item is not worn in any slot.");
        return;
    }
    const ChosenItems chosen = equipmentPage_->Chosen();
    std::vector<Comparison> comparisons;
    QStringList worn;
    for (const Slot s : targets) {
        comparisons.push_back(vantor::CompareWithWorn(item, s, chosen, equipmentPage_->Inputs(), DecimalSep));
        worn << (chosen[s] ? FromBytes(chosen[s]->Name) : QString("*None*"));
    }
    auto* window = new CompareWindow(FromBytes(item.Name), comparisons, worn, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

QString TViewer::PlayerDataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + '/';
}

void TViewer::FormCreate()
{
    FirstActivation = true;
    DataDir = QFile::decodeName(ChooseDataDir(QFile::encodeName(QCoreApplication::applicationDirPath() + '/').toStdString(),
                                              QFile::encodeName(PlayerDataDir()).toStdString())
                                    .c_str());
    FindIndex = -1;
    ArmorSortColumn = 999;
    Loading = true;
    DecimalSep = SystemDecimalSeparator();
    FillCoded(*cbxAClass, ClassEntries());
    TDisplay->setCurrentIndex(0);
}

bool TViewer::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) events_.Run([this] { FormActivate(); });
    return QMainWindow::event(e);
}

void TViewer::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    // Not every desktop activates a new window; the load must run all the same.
    if (FirstActivation)
        QTimer::singleShot(0, this, [this] {
            if (isVisible()) events_.Run([this] { FormActivate(); });
        });
}

void TViewer::FormActivate()
{
    if (!FirstActivation) return;
    FirstActivation = false;
    LoadClick();
    equipmentPage_->btnLeqtabClick();
    utilitiesPage_->btnTAResetClick();
    utilitiesPage_->btnQZSwingRClick();
    utilitiesPage_->btnMRRClick();
}

void TViewer::LoadClick()
{
    WaitCursor cursor;
    TfrmLoad frmLoad(this);
    frmLoad.show();
    QCoreApplication::processEvents();

    ClearLists();
    Loading = true;
    // Keep the waiting window painted, without paying an event-loop pass for every line and
    // without taking input while the lists are half filled.
    QElapsedTimer sincePaint;
    sincePaint.start();
    const Pump pump = [&sincePaint] {
        if (sincePaint.elapsed() < 16) return;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        sincePaint.restart();
    };
    const std::string dir = QFile::encodeName(DataDir).toStdString();
    // A start with no data shows no message, but each empty list says which file to put where.
    const auto missing = [&](std::initializer_list<const char*> names, const char* file, const char* what) {
        for (const char* name : names)
            if (!FindDataFile(dir, name).empty()) return QString();
        return QString("No %1 to show.\nPut the game's export \"%2\" in\n%3")
            .arg(what, file, QDir::toNativeSeparators(DataDir));
    };
    const QString noItems = missing({"Items.txt", "Itemsnew.txt"}, "Items.txt", "items");
    for (ListPage* page : std::initializer_list<ListPage*>{armorPage_, weaponsPage_, otherPage_}) page->SetEmptyText(noItems);
    spellsPage_->SetEmptyText(missing({"spells.txt", "spellsVtab0.txt"}, "spells.txt", "spells"));
    LoadRecords(dir, Spells, Items, pump);
    Loading = false;
    ArmorSortDescending = false;
    ArmorSortColumn = 0;
    std::vector<TSpell*> blessings = DisplayLists(pump);
    TDisplay->setTabVisible(TDisplay->indexOf(TabSheet3), false);
    equipmentPage_->edtStrengthChange();
    manaBlessingPage_->Offer(std::move(blessings));  // what "Filter" on the blessing page does
}

void TViewer::ClearLists()
{
    // A large database takes a while to free: the old rows and records go to another thread.
    struct Old {
        std::vector<ListRow> Rows[4];
        ItemList Items;
        SpellList Spells;
    };
    auto old = std::make_unique<Old>();
    int i = 0;
    for (ListPage* page : std::initializer_list<ListPage*>{armorPage_, weaponsPage_, otherPage_, spellsPage_})
        page->SwapRows(old->Rows[i++]);
    old->Items = std::move(Items);
    Items.clear();
    old->Spells = std::move(Spells);
    Spells.Clear();
    FinishFreeing();
    disposal_ = std::async(std::launch::async, [old = std::move(old)]() mutable { old.reset(); });
    mm->clear();
}

void TViewer::FinishFreeing()
{
    if (disposal_.valid()) disposal_.wait();
}

void TViewer::ExitClick()
{
    close();
}

Profile TViewer::CurrentProfile() const
{
    return Profile(SelectedCode(*cbxAClass), ToBytes(edtAlvl->text()), chkGood->isChecked(), chkNeutral->isChecked(),
                   chkEvil->isChecked());
}

void TViewer::cbxAClassChange()
{
    const ClassPreset preset = PresetForClass(SelectedCode(*cbxAClass));
    armorPage_->ApplyClassPreset(preset);
    weaponsPage_->ApplyClassPreset(preset);
    spellsPage_->ApplyClassPreset(preset);
    utilitiesPage_->ApplyClassPreset(preset);
}

void TViewer::chkGoodClick() { events_.KeepOneTicked(*chkGood, {chkGood, chkNeutral, chkEvil}); }
void TViewer::chkNeutralClick() { events_.KeepOneTicked(*chkNeutral, {chkGood, chkNeutral, chkEvil}); }
void TViewer::chkEvilClick() { events_.KeepOneTicked(*chkEvil, {chkGood, chkNeutral, chkEvil}); }

void TViewer::btnFilterAllClick()
{
    equipmentPage_->btnEqFilterClick();
    spellsPage_->btnFiltSpellsClick();
    weaponsPage_->btnFWClick();
    armorPage_->btnFAClick();
}

void TViewer::RestoreProfile(const SavedProfile& saved)
{
    if (saved.Level) events_.SetText(*edtAlvl, FromBytes(*saved.Level));
    if (saved.ClassName) {
        // A class the list does not know leaves the class as it was.
        const int i = cbxAClass->findText(FromBytes(*saved.ClassName), Qt::MatchFixedString);
        if (i >= 0) cbxAClass->setCurrentIndex(i);
    }
    if (saved.Strength) events_.SetText(*edtStrength, QString::number(GetNumber(*saved.Strength)));
    if (saved.Agility) utilitiesPage_->SetAgility(QString::number(GetNumber(*saved.Agility)));
    if (saved.Alignment) {
        for (QCheckBox* box : {chkGood, chkNeutral, chkEvil}) events_.SetChecked(*box, false);
        QCheckBox* tick = *saved.Alignment == "G"   ? chkGood
                          : *saved.Alignment == "N" ? chkNeutral
                          : *saved.Alignment == "E" ? chkEvil
                                                    : nullptr;
        if (tick) events_.SetChecked(*tick, true);
    }
}

std::vector<TSpell*> TViewer::DisplayLists(const std::function<void()>& pump)
{
    // The weapons and the blessings on a second thread; the armour, the larger sort, and the rest
    // here, where the memory the load just freed is.
    auto second = std::async(std::launch::async, [this, profile = CurrentProfile()] {
        return std::pair(weaponsPage_->AllRows(true), manaBlessingPage_->Blessings(profile));
    });
    // The armour list, the first in sight, is measured as its rows are made.
    const ByteAdvances advances = armorPage_->Advances();
    ListPage::WidestRows widestArmour;
    std::vector<ListRow> armour = armorPage_->AllRows(true, &advances, &widestArmour);
    std::vector<ListRow> spells = spellsPage_->AllRows(false);
    std::vector<ListRow> other = otherPage_->AllRows(false);
    WaitFor(second, pump);
    auto [weapons, blessings] = second.get();
    DisplaySpells(spells);
    DisplayWeapons(weapons);
    DisplayArmor(armour, widestArmour);
    DisplayOther(other);
    return blessings;
}

void TViewer::DisplaySpells(std::vector<ListRow>& rows) { spellsPage_->ShowLoadedRows(rows); }
void TViewer::DisplayWeapons(std::vector<ListRow>& rows) { weaponsPage_->ShowLoadedRows(rows); }
void TViewer::DisplayArmor(std::vector<ListRow>& rows, const ListPage::WidestRows& widest)
{
    armorPage_->ShowLoadedRows(rows, &widest);
}
void TViewer::DisplayOther(std::vector<ListRow>& rows) { otherPage_->ShowLoadedRows(rows); }

void TViewer::DisplayItemData()
{
    for (const TItem& item : Items) mm->appendPlainText(FromBytes(ItemDumpLine(item, DecimalSep)));
}

QPushButton* TViewer::FindButtonOfCurrentPage() const
{
    const auto* page = dynamic_cast<const ListPage*>(TDisplay->currentWidget());
    return page ? page->FindButton() : nullptr;
}

bool TViewer::eventFilter(QObject* watched, QEvent* e)
{
    // Enter in any control of the window but a button or a memo runs the Find of the page on show.
    if (e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        auto* w = qobject_cast<QWidget*>(watched);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && w && w->window() == this &&
            w == QApplication::focusWidget() && !qobject_cast<QAbstractButton*>(w) &&
            !qobject_cast<QPlainTextEdit*>(w) && key->modifiers() == Qt::NoModifier) {
            if (QPushButton* find = FindButtonOfCurrentPage()) {
                find->click();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void TViewer::ShowError(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const EConvertError& e) {
        QString detail;
        if (!e.File.empty())
            detail = QString("In the file %1, line %2.").arg(QFile::decodeName(e.File.c_str())).arg(e.Line);
        ui_.ShowError(this, ShownText(e.Text), detail);
    } catch (const EInOutError& e) {
        // The message names the file by its file-system name.
        ui_.ShowError(this, QFile::decodeName(e.what()));
    } catch (const std::exception& e) {
        ui_.ShowError(this, ShownText(e.what()));
    } catch (...) {
        ui_.ShowError(this, "Unknown error");
    }
}

}  // namespace vantor
