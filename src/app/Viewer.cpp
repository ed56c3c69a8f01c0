#include "app/Viewer.h"

#include "app/Bytes.h"
#include "app/LoadWindow.h"
#include "data/CodeTables.h"
#include "data/Errors.h"
#include "lists/ItemDump.h"
#include "lists/LoadRecords.h"
#include "filters/Find.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace vantor {
namespace {

// The hourglass for the whole application, taken down however the work ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

char SystemDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point[0].unicode() < 0x80) return static_cast<char>(point[0].unicode());
    return '.';
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
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

}  // namespace

void FillCoded(QComboBox& box, const std::vector<CodedEntry>& entries)
{
    std::vector<CodedEntry> sorted = entries;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const CodedEntry& a, const CodedEntry& b) { return CompareText(a.Text, b.Text) < 0; });
    box.clear();
    for (const CodedEntry& e : sorted) box.addItem(QString::fromLatin1(e.Text), e.Code);
    box.setCurrentIndex(0);
}

int32_t SelectedCode(const QComboBox& box)
{
    return box.currentIndex() < 0 ? 0 : box.currentData().toInt();
}

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

    OnClick(Load, &TViewer::LoadClick);
    OnClick(Exit, &TViewer::ExitClick);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, Exit, &QPushButton::click);
}

QTreeView* TViewer::MakeList(const char* name, ListModel* model)
{
    auto* v = new QTreeView(this);
    v->setObjectName(name);
    v->setModel(model);
    v->setRootIsDecorated(false);
    v->setUniformRowHeights(true);
    v->setItemsExpandable(false);
    v->setAllColumnsShowFocus(true);
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setSortingEnabled(false);
    v->header()->setSectionsClickable(true);
    v->header()->setSectionsMovable(false);
    v->header()->setSortIndicatorShown(false);
    v->header()->setStretchLastSection(false);
    v->header()->setDefaultSectionSize(58);
    v->setColumnWidth(0, 170);
    // The selected row stays marked when the list loses the focus.
    QPalette p = v->palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    v->setPalette(p);
    return v;
}

QVBoxLayout* TViewer::BuildSearchStrip(QWidget* page, QWidget*& filterPanel, QLineEdit*& find,
                                       QPushButton*& first, QPushButton*& next)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* strip = new QHBoxLayout;
    filterPanel = new QWidget(page);
    auto* filterRow = new QHBoxLayout(filterPanel);
    filterRow->setContentsMargins(0, 0, 0, 0);
    strip->addWidget(filterPanel, 1);
    find = new QLineEdit(page);
    find->setFixedWidth(120);
    first = MakeButton(page, "", "&Find");
    next = MakeButton(page, "", "&Next");
    strip->addWidget(find);
    strip->addWidget(first);
    strip->addWidget(next);
    layout->addLayout(strip);
    return layout;
}

void TViewer::AddListWithMemo(QVBoxLayout* layout, QTreeView* list, QPlainTextEdit* memo, Qt::Orientation o)
{
    auto* split = new QSplitter(o, list->parentWidget());
    split->setChildrenCollapsible(false);
    split->addWidget(list);
    split->addWidget(memo);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 0);
    split->setSizes(o == Qt::Vertical ? QList<int>{380, 80} : QList<int>{470, 220});
    layout->addWidget(split, 1);
}

void TViewer::BuildPages()
{
    TDisplay = new QTabWidget(this);
    TDisplay->setObjectName("TDisplay");
    TDisplay->setUsesScrollButtons(false);
    TDisplay->setElideMode(Qt::ElideNone);
    auto page = [this](const char* name, const char* caption) {
        auto* w = new QWidget(TDisplay);
        w->setObjectName(name);
        TDisplay->addTab(w, caption);
        return w;
    };
    TabSheet1 = page("TabSheet1", "&Armor");
    TabSheet2 = page("TabSheet2", "&Weapons");
    TabSheet4 = page("TabSheet4", "&Spells");
    Other = page("Other", "&Other");
    Equipment = page("Equipment", "&Equipment");
    tbUtil = page("tbUtil", "&Utilities");
    TabSheet5 = page("TabSheet5", "&Mana Blessing");
    TabSheet3 = page("TabSheet3", "&Memo");

    // Armour and weapons: filters and search on top, the list, the item's text underneath.
    QVBoxLayout* armour = BuildSearchStrip(TabSheet1, pnlArmorFilter, edtFind, btnFFA, btnFind);
    lstArmor = MakeList("lstArmor", ArmorRows = new ListModel(ListKind::Armor, this));
    lstArmor->setColumnWidth(1, 74);
    mmAsp = MakeMemo(TabSheet1, "mmAsp");
    AddListWithMemo(armour, lstArmor, mmAsp, Qt::Vertical);
    QVBoxLayout* weapons = BuildSearchStrip(TabSheet2, pnlWeaponFilter, edtFind2, btnFFW, btnFind2);
    lstWeapons = MakeList("lstWeapons", WeaponRows = new ListModel(ListKind::Weapons, this));
    mmWsp = MakeMemo(TabSheet2, "mmWsp");
    AddListWithMemo(weapons, lstWeapons, mmWsp, Qt::Vertical);
    // Spells: filters and search on top, the list with the spell's description to its right.
    QVBoxLayout* spells = BuildSearchStrip(TabSheet4, pnlSpellFilter, edtFind3, btnFFSpell, btnFind3);
    lstDisplaySpell = MakeList("lstDisplaySpell", SpellRows = new ListModel(ListKind::Spells, this));
    mmSNotes = MakeMemo(TabSheet4, "mmSNotes");
    AddListWithMemo(spells, lstDisplaySpell, mmSNotes, Qt::Horizontal);

    const struct {
        QObject* w;
        const char* name;
    } names[] = {{edtFind, "edtFind"},   {btnFFA, "btnFFA"},     {btnFind, "btnFind"},
                 {edtFind2, "edtFind2"}, {btnFFW, "btnFFW"},     {btnFind2, "btnFind2"},
                 {edtFind3, "edtFind3"}, {btnFFSpell, "btnFFSpell"}, {btnFind3, "btnFind3"},
                 {pnlArmorFilter, "pnlArmorFilter"}, {pnlWeaponFilter, "pnlWeaponFilter"},
                 {pnlSpellFilter, "pnlSpellFilter"}};
    for (const auto& n : names) n.w->setObjectName(n.name);
    edtFind->setToolTip("Search For");

    // The coded lists of the armour and weapon filters.
    cbxWornW = new QComboBox(pnlArmorFilter);
    cbxWornW->setObjectName("cbxWornW");
    cbxWornW->setMaxVisibleItems(15);
    cbxWornW->setToolTip("The part of body armor is worn");
    cbxMag = new QComboBox(pnlArmorFilter);
    cbxMag->setObjectName("cbxMag");
    cbxMag->setToolTip("Minimum magical/hitmagic level");
    cbxMag->setVisible(false);
    pnlArmorFilter->layout()->addWidget(cbxWornW);
    pnlArmorFilter->layout()->addWidget(cbxMag);
    static_cast<QHBoxLayout*>(pnlArmorFilter->layout())->addStretch(1);
    cbxMag2 = new QComboBox(pnlWeaponFilter);
    cbxMag2->setObjectName("cbxMag2");
    cbxMag2->setToolTip("Minimum magical/hitmagic level");
    pnlWeaponFilter->layout()->addWidget(cbxMag2);
    static_cast<QHBoxLayout*>(pnlWeaponFilter->layout())->addStretch(1);
    static_cast<QHBoxLayout*>(pnlSpellFilter->layout())->addStretch(1);

    // Other items: the list fills the page.
    lstOther = MakeList("lstOther", OtherRows = new ListModel(ListKind::Other, this));
    auto* otherLayout = new QVBoxLayout(Other);
    otherLayout->setContentsMargins(4, 4, 4, 4);
    otherLayout->addWidget(lstOther);
    lstOther->setColumnWidth(4, 400);

    // The memo page.
    mm = MakeMemo(TabSheet3, "mm");
    auto* memoLayout = new QVBoxLayout(TabSheet3);
    memoLayout->setContentsMargins(4, 4, 4, 4);
    memoLayout->addWidget(mm);

    OpenDialog1.Filter = SaveDialog1.Filter = "Equiment files (*.kreq)|*.kreq";

    // Header clicks, selections and the search buttons.
    OnColumnClick(lstArmor, &TViewer::lstArmorColumnClick);
    OnColumnClick(lstWeapons, &TViewer::lstWeaponsColumnClick);
    OnColumnClick(lstDisplaySpell, &TViewer::lstDisplaySpellColumnClick);
    OnColumnClick(lstOther, &TViewer::lstOtherColumnClick);
    OnSelectItem(lstArmor, &TViewer::lstArmorSelectItem);
    OnSelectItem(lstWeapons, &TViewer::lstWeaponsSelectItem);
    OnSelectItem(lstDisplaySpell, &TViewer::lstDisplaySpellSelectItem);
    OnClick(btnFFA, &TViewer::btnFFAClick);
    OnClick(btnFind, &TViewer::btnFindClick);
    OnClick(btnFFW, &TViewer::btnFFWClick);
    OnClick(btnFind2, &TViewer::btnFind2Click);
    OnClick(btnFFSpell, &TViewer::btnFFSpellClick);
    OnClick(btnFind3, &TViewer::btnFind3Click);

    // Tab order: the top panel left to right, then the pages.
    QWidget* order[] = {edtAlvl, cbxAClass, edtStrength, chkGood, chkNeutral, chkEvil, btnFilterAll, Exit, TDisplay};
    for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void TViewer::OnClick(QAbstractButton* button, void (TViewer::*handler)())
{
    connect(button, &QAbstractButton::clicked, this, [this, handler] { Handle([this, handler] { (this->*handler)(); }); });
}

void TViewer::OnColumnClick(QTreeView* list, void (TViewer::*handler)(int))
{
    connect(list->header(), &QHeaderView::sectionClicked, this,
            [this, handler](int column) { Handle([this, handler, column] { (this->*handler)(column); }); });
}

void TViewer::OnSelectItem(QTreeView* list, void (TViewer::*handler)(int))
{
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this, handler](const QItemSelection& selected, const QItemSelection& deselected) {
                // The row that gained the selection, or else the one that lost it.
                const QModelIndexList changed = (selected.isEmpty() ? deselected : selected).indexes();
                if (changed.isEmpty()) return;
                const int row = changed.first().row();
                Handle([this, handler, row] { (this->*handler)(row); });
            });
}

void TViewer::FormCreate()
{
    FirstActivation = true;
    DataDir = QCoreApplication::applicationDirPath() + '/';
    FindIndex = -1;
    ArmorSortColumn = 999;
    Loading = true;
    DecimalSep = SystemDecimalSeparator();
    FillCoded(*cbxMag, MagicLevelEntries());
    FillCoded(*cbxMag2, MagicLevelEntries());
    FillCoded(*cbxWornW, WornEntries());
    FillCoded(*cbxAClass, ClassEntries());
    TDisplay->setCurrentIndex(0);
}

bool TViewer::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) Handle([this] { FormActivate(); });
    return QMainWindow::event(e);
}

void TViewer::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    // Not every desktop activates a new window; the load must run all the same.
    if (FirstActivation)
        QTimer::singleShot(0, this, [this] {
            if (isVisible()) Handle([this] { FormActivate(); });
        });
}

void TViewer::FormActivate()
{
    if (!FirstActivation) return;
    FirstActivation = false;
    LoadClick();
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
    LoadRecords(ToBytes(DataDir), Spells, Items, pump);
    DisplaySpells();
    DisplayWeapons();
    DisplayArmor();
    DisplayOther();
    Loading = false;
    ArmorSortDescending = false;
    ArmorSortColumn = 0;
    SortArmor();
    SortWeapons();
    TDisplay->setTabVisible(TDisplay->indexOf(TabSheet3), false);
}

void TViewer::ClearLists()
{
    for (ListModel* m : {ArmorRows, WeaponRows, OtherRows, SpellRows}) m->Clear();
    Items.clear();
    Spells.Clear();
    mm->clear();
}

void TViewer::ExitClick()
{
    close();
}

void TViewer::DisplaySubAll(const std::string& kind, const TItem& item)
{
    ListRow row;
    if (!MakeItemRow(kind, item, DecimalSep, row)) return;
    ListModel* model = kind == "A" ? ArmorRows : kind == "W" ? WeaponRows : OtherRows;
    model->Append(std::move(row));
}

void TViewer::DisplaySubSpell(const std::string& kind, const TSpell& spell)
{
    ListRow row;
    if (MakeSpellRow(kind, spell, row)) SpellRows->Append(std::move(row));
}

void TViewer::DisplayWeapons()
{
    ListUpdate update(*WeaponRows);
    for (const TItem& item : Items)
        if (IsWeapon(item)) DisplaySubAll("W", item);
}

void TViewer::DisplayArmor()
{
    ListUpdate update(*ArmorRows);
    for (const TItem& item : Items)
        if (IsArmour(item)) DisplaySubAll("A", item);
}

void TViewer::DisplayOther()
{
    ListUpdate update(*OtherRows);
    for (const TItem& item : Items)
        if (IsOtherItem(item)) DisplaySubAll("O", item);
}

void TViewer::DisplaySpells()
{
    ListUpdate update(*SpellRows);
    for (const TSpell& spell : Spells) DisplaySubSpell("S", spell);
}

void TViewer::DisplayItemData()
{
    for (const TItem& item : Items) mm->appendPlainText(FromBytes(ItemDumpLine(item, DecimalSep)));
}

void TViewer::SortList(ListModel& model, int32_t column, bool descending)
{
    model.Reorder(SortOrder(model.Rows(), model.ColumnDefs(), SortState{column, descending}, Loading));
}

void TViewer::SortArmor() { SortList(*ArmorRows, ArmorSortColumn, ArmorSortDescending); }
void TViewer::SortWeapons() { SortList(*WeaponRows, WeaponSortColumn, WeaponSortDescending); }
void TViewer::SortSpells() { SortList(*SpellRows, SpellSortColumn, SpellSortDescending); }
void TViewer::SortOther() { SortList(*OtherRows, OtherSortColumn, OtherSortDescending); }

void TViewer::lstArmorColumnClick(int column)
{
    HeaderClick(ArmorSortColumn, ArmorSortDescending, column);
    SortArmor();
}

void TViewer::lstWeaponsColumnClick(int column)
{
    HeaderClick(WeaponSortColumn, WeaponSortDescending, column);
    SortWeapons();
}

void TViewer::lstDisplaySpellColumnClick(int column)
{
    HeaderClick(SpellSortColumn, SpellSortDescending, column);
    SortSpells();
}

void TViewer::lstOtherColumnClick(int column)
{
    HeaderClick(OtherSortColumn, OtherSortDescending, column);
    SortOther();
}

void TViewer::ShowItemText(ListModel& model, QPlainTextEdit& memo, int row)
{
    memo.clear();
    if (row < 0 || row >= model.rowCount()) return;
    const TItem* item = model.Row(row).Item;
    if (item) memo.setPlainText(FromBytes(item->Special));
}

void TViewer::lstArmorSelectItem(int row) { ShowItemText(*ArmorRows, *mmAsp, row); }
void TViewer::lstWeaponsSelectItem(int row) { ShowItemText(*WeaponRows, *mmWsp, row); }

void TViewer::lstDisplaySpellSelectItem(int row)
{
    mmSNotes->clear();
    if (row < 0 || row >= SpellRows->rowCount() || !SpellRows->Row(row).Spell) return;
    QStringList lines;
    for (const std::string& line : SpellNoteLines(SpellRows->Row(row).Spell->Notes)) lines << FromBytes(line);
    mmSNotes->setPlainText(lines.join('\n'));
}

void TViewer::FindNext(QTreeView& list, ListModel& model, QLineEdit& box)
{
    const int hit = FindRow(model.Rows(), ToBytes(box.text()), FindIndex + 1);
    if (hit >= 0) {
        FindIndex = hit;
        const QModelIndex index = model.index(hit, 0);
        list.scrollTo(index, QAbstractItemView::EnsureVisible);
        list.selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    if (FindIndex == -1) ui_.ShowError(this, "Not found.");
}

void TViewer::btnFFAClick()
{
    FindIndex = -1;
    btnFindClick();
}

void TViewer::btnFindClick() { FindNext(*lstArmor, *ArmorRows, *edtFind); }

void TViewer::btnFFWClick()
{
    FindIndex = -1;
    btnFind2Click();
}

void TViewer::btnFind2Click() { FindNext(*lstWeapons, *WeaponRows, *edtFind2); }

void TViewer::btnFFSpellClick()
{
    FindIndex = -1;
    btnFind3Click();
}

void TViewer::btnFind3Click() { FindNext(*lstDisplaySpell, *SpellRows, *edtFind3); }

QPushButton* TViewer::FindButtonOfCurrentPage() const
{
    const QWidget* page = TDisplay->currentWidget();
    if (page == TabSheet1) return btnFFA;
    if (page == TabSheet2) return btnFFW;
    if (page == TabSheet4) return btnFFSpell;
    return nullptr;
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
            detail = QString("In the file %1, line %2.").arg(FromBytes(e.File)).arg(e.Line);
        ui_.ShowError(this, FromBytes(e.what()), detail);
    } catch (const std::exception& e) {
        ui_.ShowError(this, FromBytes(e.what()));
    } catch (...) {
        ui_.ShowError(this, "Unknown error");
    }
}

}  // namespace vantor
