#include "app/window/Viewer.h"

#include "app/common/Bytes.h"
#include "app/common/CharacterPanel.h"
#include "app/common/PageContext.h"
#include "app/common/StatusLine.h"
#include "app/common/Widgets.h"
#include "app/equipment/EquipmentPage.h"
#include "app/lists/ArmorPage.h"
#include "app/lists/CompareWindow.h"
#include "app/lists/ListPage.h"
#include "app/lists/SpellsPage.h"
#include "app/lists/WeaponsPage.h"
#include "app/scales/ScaleBook.h"
#include "app/scales/ScalesDialog.h"
#include "app/session/CharacterBook.h"
#include "app/session/Session.h"
#include "app/utilities/ManaBlessingPage.h"
#include "app/utilities/UtilitiesPage.h"
#include "app/window/CharacterActions.h"
#include "app/window/DataLoad.h"
#include "app/window/HelpWindow.h"
#include "app/window/MainMenu.h"
#include "app/window/WindowSession.h"
#include "data/DataFile.h"
#include "data/Errors.h"
#include "equipment/Gains.h"
#include "lists/ItemDump.h"
#include "lists/LoadRecords.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace vantor {

TViewer::TViewer(IUserInterface& ui, const QString& dataDir, QWidget* parent)
    : QMainWindow(parent), ui_(ui), events_([this](const std::exception_ptr& e) { ShowError(e); }),
      scales_(new ScaleBook(settings_, this)), characters_(new CharacterBook(settings_, this)),
      decimalSep_(SystemDecimalSeparator())
{
    // The player's settings first: the pages start with the scale chosen last.
    settings_.Load();
    scales_->Load();
    characters_->Load();
    setObjectName("Viewer");
    setWindowTitle("Vantor Viewer");
    resize(710, 560);
    setMinimumSize(710, 560);
    panel_ = new CharacterPanel(events_, this);
    BuildPages();
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel_);
    layout->addWidget(TDisplay, 1);
    setCentralWidget(central);
    const WindowPages pages{panel_,         TDisplay,       armorPage_,        weaponsPage_, spellsPage_, otherPage_,
                            equipmentPage_, utilitiesPage_, manaBlessingPage_, TabSheet3,    mm};
    load_ = std::make_unique<DataLoad>(data_, pages);
    session_ = std::make_unique<WindowSession>(*this, settings_, events_, pages);
    characterActions_ = new CharacterActions(
        {this, panel_, characters_, scales_, session_.get(), equipmentPage_, &ui_, &events_, &settings_});
    BuildMenu();
    menuBar()->setCornerWidget(panel_->CharacterPicker());
    pageSummary_ = new QLabel(this);
    pageSummary_->setObjectName("lblPageSummary");
    statusBar()->addPermanentWidget(pageSummary_);
    events_.Connect(TDisplay, &QTabWidget::currentChanged, this, [this] { ShowPageSummary(); });
    events_.OnSettled([this] { ShowPageSummary(); });
    setAcceptDrops(true);
    RestoreWindowPlace();

    FormCreate();
    if (!dataDir.isEmpty()) dataDir_ = dataDir.endsWith('/') ? dataDir : dataDir + '/';
    if (!settings_.Notice().isEmpty()) Notice(settings_.Summary(), settings_.Notice());
    qApp->installEventFilter(this);
}

TViewer::~TViewer()
{
    qApp->removeEventFilter(this);
    // Rows are written from the records, which go before the pages do: empty the lists first.
    for (ListPage* page : std::initializer_list<ListPage*>{armorPage_, weaponsPage_, otherPage_, spellsPage_})
        page->Rows().Clear();
    load_->FinishFreeing();
}

void TViewer::BuildPages()
{
    TDisplay = new QTabWidget(this);
    TDisplay->setObjectName("TDisplay");
    TDisplay->setUsesScrollButtons(false);
    TDisplay->setElideMode(Qt::ElideNone);
    const PageContext context{events_, ui_, data_, *panel_, *scales_, settings_, decimalSep_, *characters_};
    BuildListPages(context);
    EquipmentPage::Links equipment;
    equipment.SwingWeaponsFilled = [this](SlotList&& weapons) { utilitiesPage_->FillSwingWeapons(std::move(weapons)); };
    equipment.WeaponChosen = [this](std::string_view name) { utilitiesPage_->SelectSwingWeapon(name); };
    equipment.EncumbranceShown = [this](const QString& maxEnc, const QString& enc) {
        utilitiesPage_->ShowEncumbrance(maxEnc, enc);
    };
    equipment.FilterAll = [this] { btnFilterAllClick(); };
    equipment.SetFileUsed = [this](const QString& path) {
        if (menu_) menu_->SetFileUsed(path);
    };
    equipment.WornChanged = [this](const ChosenItems& chosen) {
        const std::vector<const TItem*> worn(chosen.begin(), chosen.end());
        armorPage_->Rows().SetWorn(worn);
        weaponsPage_->Rows().SetWorn(worn);
        ShowGains();
    };
    equipmentPage_ = new EquipmentPage(context, std::move(equipment), TDisplay);
    utilitiesPage_ = new UtilitiesPage(context, TDisplay);
    manaBlessingPage_ = new ManaBlessingPage(context, TDisplay);
    BuildMemoPage();
    const std::pair<QWidget*, const char*> pages[] = {{armorPage_, "&Armor"},
                                                      {weaponsPage_, "&Weapons"},
                                                      {spellsPage_, "&Spells"},
                                                      {otherPage_, "&Other"},
                                                      {equipmentPage_, "&Equipment"},
                                                      {utilitiesPage_, "&Utilities"},
                                                      {manaBlessingPage_, "&Mana Blessing"},
                                                      {TabSheet3, "&Memo"}};
    for (const auto& [page, caption] : pages) TDisplay->addTab(page, caption);
    LinkPages();
}

void TViewer::BuildListPages(const PageContext& context)
{
    const ListPage::WornActions worn{[this](const TItem& item) { CompareWithWorn(item); },
                                     [this](const TItem& item) { equipmentPage_->Wear(item); }};
    armorPage_ = new ArmorPage(context, find_, worn, TDisplay);
    weaponsPage_ = new WeaponsPage(context, find_, worn, TDisplay);
    spellsPage_ = new SpellsPage(context, find_, TDisplay);
    otherPage_ =
        new ListPage(ListKind::Other, {"Other", "lstOther", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
                     context, nullptr, {}, TDisplay);
}

void TViewer::BuildMemoPage()
{
    TabSheet3 = new QWidget(TDisplay);
    TabSheet3->setObjectName("TabSheet3");
    mm = MakeMemo(TabSheet3, "mm");
    auto* memoLayout = new QVBoxLayout(TabSheet3);
    memoLayout->setContentsMargins(4, 4, 4, 4);
    memoLayout->addWidget(mm);
}

void TViewer::LinkPages()
{
    CharacterPanel::Actions actions;
    actions.FilterAll = [this] { btnFilterAllClick(); };
    actions.Load = [this] { LoadClick(); };
    actions.Exit = [this] { ExitClick(); };
    actions.ClassChosen = [this](const ClassPreset& preset) {
        armorPage_->ApplyClassPreset(preset);
        weaponsPage_->ApplyClassPreset(preset);
        spellsPage_->ApplyClassPreset(preset);
        utilitiesPage_->ApplyClassPreset(preset);
    };
    actions.AgilityText = [this] { return utilitiesPage_->AgilityText(); };
    actions.SetAgility = [this](const QString& text) { utilitiesPage_->SetAgility(text); };
    panel_->SetActions(std::move(actions));
    events_.Connect(scales_, &ScaleBook::Changed, this, [this] { ShowGains(); });
    events_.Connect(panel_, &CharacterPanel::StrengthChanged, this, [this] { equipmentPage_->edtStrengthChange(); });
    events_.Connect(panel_, &CharacterPanel::LevelChanged, this, [this] {
        utilitiesPage_->edtAlvlChange();
        spellsPage_->LevelChanged();
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    events_.Connect(escape, &QShortcut::activated, this, [this] { ExitClick(); });

    // Tab order: the top panel left to right, then the pages.
    std::vector<QWidget*> order = panel_->TabOrder();
    order.push_back(TDisplay);
    for (size_t i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
}

void TViewer::BuildMenu()
{
    MainMenu::Actions a;
    a.OpenSet = [this] { equipmentPage_->btnLoadClick(); };
    a.SaveSet = [this] { equipmentPage_->SaveSetClick(); };
    a.SaveSetAs = [this] { equipmentPage_->btnSaveClick(); };
    a.CompareSets = [this] { equipmentPage_->btnCompareSetsClick(); };
    a.Quit = [this] { close(); };
    a.OpenRecent = [this](const QString& path) { equipmentPage_->OpenSet(path); };
    a.Undo = [this] { equipmentPage_->btnUndoClick(); };
    a.Redo = [this] { equipmentPage_->btnRedoClick(); };
    const auto onList = [this](void (*action)(ListPage&)) {
        return [this, action] {
            if (ListPage* list = ShownList())
                action(*list);
            else
                Notice("Copy and Export work on the lists: show the Armor, Weapons, Spells or Other page.");
        };
    };
    a.Copy = onList([](ListPage& list) { list.CopyRow(false); });
    a.CopyWithHeader = onList([](ListPage& list) { list.CopyRow(true); });
    a.Export = onList([](ListPage& list) { list.ExportClick(); });
    a.PasteSet = [this] { equipmentPage_->btnCCBClick(); };
    a.Scales = [this] { ScalesDialog::Open(*scales_, events_, ui_, decimalSep_, this); };
    a.ResetLayout = [this] { session_->ForgetLayout(); };
    a.Manual = [this] { ShowManual(); };
    a.About = [this] { ShowAbout(); };
    characterActions_->Offer(a);
    menu_ = new MainMenu(*this, *TDisplay, events_, settings_, std::move(a));
}

ListPage* TViewer::ShownList() const { return dynamic_cast<ListPage*>(TDisplay->currentWidget()); }

void TViewer::ShowPageSummary()
{
    const ListPage* list = ShownList();
    pageSummary_->setText(list ? list->Summary() : QString());
}

void TViewer::ShowManual()
{
    if (!help_) help_ = new HelpWindow(this);
    help_->ShowPage(TDisplay->currentIndex());
}

void TViewer::ShowAbout()
{
    OpenAbout(this, AboutText(dataDir_, data_.Items.size(), data_.Spells.size(), settings_.Path(),
                              characters_->OwnedSummary(data_.Items)));
}

void TViewer::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void TViewer::dropEvent(QDropEvent* e)
{
    const QList<QUrl> urls = e->mimeData()->urls();
    e->acceptProposedAction();
    events_.Run([this, urls] {
        if (urls.size() != 1 || !urls.first().isLocalFile()) {
            ui_.ShowMessage(this, "Drop one set file (*.kreq) from a folder of this computer.");
            return;
        }
        equipmentPage_->OpenSet(urls.first().toLocalFile());
    });
}

void TViewer::ShowGains()
{
    const auto table =
        std::make_shared<GainTable>(scales_->ActiveScale(), equipmentPage_->Chosen(),
                                    [this](const TItem& item) { return equipmentPage_->InSlotLists(item); });
    const ListModel::GainOf gainOf = [table](const TItem& item) { return table->GainOf(item); };
    armorPage_->ShowGains(gainOf);
    weaponsPage_->ShowGains(gainOf);
    equipmentPage_->ShowGains(table);
}

void TViewer::CompareWithWorn(const TItem& item)
{
    if (!CompareWindow::Open(item, equipmentPage_->Chosen(), equipmentPage_->Inputs(), scales_->ActiveScale(),
                             decimalSep_, this))
        ui_.ShowMessage(this, "This item is not worn in any slot.");
}

QString TViewer::PlayerDataDir() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + '/'; }

void TViewer::FormCreate()
{
    firstActivation_ = true;
    dataDir_ =
        QFile::decodeName(ChooseDataDir(QFile::encodeName(QCoreApplication::applicationDirPath() + '/').toStdString(),
                                        QFile::encodeName(PlayerDataDir()).toStdString())
                              .c_str());
    find_.Row = -1;
    data_.Loading = true;
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
    if (firstActivation_)
        QTimer::singleShot(0, this, [this] {
            if (isVisible()) events_.Run([this] { FormActivate(); });
        });
}

void TViewer::FormActivate()
{
    if (!firstActivation_) return;
    firstActivation_ = false;
    LoadClick();
    equipmentPage_->btnLeqtabClick();
    utilitiesPage_->btnTAResetClick();
    utilitiesPage_->btnQZSwingRClick();
    utilitiesPage_->btnMRRClick();
    RestoreSession();
    spellsPage_->LevelChanged();  // the level as the session left it
}

void TViewer::LoadClick() { load_->Run(this, dataDir_); }
void TViewer::ClearLists() { load_->ClearLists(); }
void TViewer::FinishFreeing() { load_->FinishFreeing(); }

void TViewer::ExitClick() { close(); }

void TViewer::btnFilterAllClick()
{
    equipmentPage_->btnEqFilterClick();
    spellsPage_->btnFiltSpellsClick();
    weaponsPage_->btnFWClick();
    armorPage_->btnFAClick();
}

void TViewer::DisplayItemData()
{
    for (const TItem& item : data_.Items) mm->appendPlainText(FromBytes(ItemDumpLine(item, decimalSep_)));
}

QPushButton* TViewer::EnterButtonOfCurrentPage(const QWidget* focus) const
{
    const auto* page = dynamic_cast<const ListPage*>(TDisplay->currentWidget());
    return page ? page->EnterButton(focus) : nullptr;
}

bool TViewer::eventFilter(QObject* watched, QEvent* e)
{
    // Enter in any control of the window but a button or a memo runs the Find of the page on show;
    // in a "Gives" row, the page's filter.
    if (e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        auto* w = qobject_cast<QWidget*>(watched);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && w && w->window() == this &&
            w == QApplication::focusWidget() && !qobject_cast<QAbstractButton*>(w) &&
            !qobject_cast<QPlainTextEdit*>(w) && key->modifiers() == Qt::NoModifier) {
            if (QPushButton* button = EnterButtonOfCurrentPage(w)) {
                button->click();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void TViewer::ShowError(const std::exception_ptr& error)
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

void TViewer::RestoreWindowPlace() { vantor::RestoreWindowPlace(*this, settings_); }

void TViewer::RestoreSession()
{
    QStringList notices = session_->Restore();
    if (!settings_.Summary().isEmpty()) notices.prepend(settings_.Summary());
    if (!notices.isEmpty()) {
        QStringList whole = notices;
        if (!settings_.Notice().isEmpty()) whole.replace(0, settings_.Notice());
        Notice(notices.join(" "), whole.join("\n"));
    }
    if (!openAtStart_.isEmpty()) events_.Run([this] { equipmentPage_->OpenSet(openAtStart_); });
    equipmentPage_->StartHistory();  // the first step is the set the player comes back to
}

void TViewer::closeEvent(QCloseEvent* e)
{
    session_->Keep();
    QString error;
    if (!settings_.Save(error)) ui_.ShowMessage(this, error);
    QMainWindow::closeEvent(e);
}

void TViewer::Notice(const QString& text, const QString& whole) { TellStatus(*this, text, whole); }

}  // namespace vantor
