#include "app/EquipmentPage.h"

#include "app/BestSetDialog.h"

#include "app/Bytes.h"
#include "app/EventGuard.h"
#include "app/SlotListModel.h"
#include "app/UserInterface.h"
#include "app/Widgets.h"
#include "data/Errors.h"
#include "equipment/SetFile.h"
#include "data/Text.h"
#include "data/TypedNumber.h"
#include "equipment/Encumbrance.h"
#include "equipment/Paste.h"
#include "equipment/Totals.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantor {
namespace {

QLineEdit* MakeReadout(QWidget* parent, const char* name, const QString& text, bool shaded)
{
    QLineEdit* e = MakeEdit(parent, name, text);
    e->setReadOnly(true);
    e->setFixedWidth(64);
    if (shaded) {
        QPalette p = e->palette();
        p.setColor(QPalette::Base, p.color(QPalette::Button));
        e->setPalette(p);
    }
    return e;
}

QColor CategoryColour(EncumbranceCategory c)
{
    switch (c) {
    case EncumbranceCategory::Heavy: return QColor(255, 0, 0);
    case EncumbranceCategory::Medium: return QColor(255, 255, 0);
    case EncumbranceCategory::Light: return QColor(0, 128, 0);
    default: return Qt::white;
    }
}

void SetBackground(QLineEdit& box, const QColor& colour)
{
    QPalette p = box.palette();
    p.setColor(QPalette::Base, colour);
    box.setPalette(p);
}

}  // namespace

EquipmentPage::EquipmentPage(const ItemList& items, IUserInterface& ui, EventGuard& events, Links links,
                             QWidget* parent)
    : QWidget(parent), items_(items), ui_(ui), events_(events), links_(std::move(links)),
      decimalSep_(SystemDecimalSeparator())
{
    setObjectName("Equipment");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* slotPanel = new QWidget(this);
    BuildSlots(slotPanel);
    layout->addWidget(slotPanel, 1);
    layout->addWidget(BuildReadouts());

    for (QComboBox* box : slotBoxes_) {
        events_.OnPick(box, [this] { cbxHeadChange(); });
        // Whatever changes what a slot holds (a pick, a paste, a load, a reset, a refill), the
        // lists mark what is worn.
        connect(box, &QComboBox::currentIndexChanged, this, [this] { ShowWorn(); });
    }
    events_.OnTextChange(edtEenc, [this] { cbxHeadChange(); });
    events_.OnTextChange(edtMiscAC, [this] { cbxHeadChange(); });
    events_.OnTextChange(edtEncM, [this] { edtStrengthChange(); });
    events_.OnTextChange(edtEnc, [this] { edtMEncChange(); });
    events_.OnTextChange(edtMEnc, [this] { edtMEncChange(); });
    events_.OnClick(btnreseteq, [this] { btnreseteqClick(); });
    events_.OnClick(btnCCB, [this] { btnCCBClick(); });
    events_.OnClick(btnLeqtab, [this] { btnLeqtabClick(); });
    events_.OnClick(btnEqFilter, [this] { btnEqFilterClick(); });
    events_.OnClick(btnSave, [this] { btnSaveClick(); });
    events_.OnClick(btnLoad, [this] { btnLoadClick(); });
    events_.OnClick(btnBestSet, [this] { btnBestSetClick(); });
    events_.OnClick(btnCopySet, [this] { btnCopySetClick(); });

    // Tab order: the slots top to bottom, then the buttons, the inputs and the summary.
    QWidget* previous = slotBoxes_.back();
    for (QWidget* w : std::initializer_list<QWidget*>{btnEqFilter, btnreseteq, chkRAll, btnSave, btnLoad, btnCCB,
                                                      btnBestSet, btnCopySet, edtEncM, edtEenc, edtMiscAC, mmoAttribSummary}) {
        setTabOrder(previous, w);
        previous = w;
    }
}

void EquipmentPage::BuildSlots(QWidget* panel)
{
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    for (int s = 0; s < kSlotCount; ++s) {
        const SlotInfo& info = SlotTable()[static_cast<size_t>(s)];
        auto* model = slotRows_[static_cast<size_t>(s)] = new SlotListModel(lists_[static_cast<size_t>(s)], this);
        QComboBox* box = slotBoxes_[static_cast<size_t>(s)] = MakeSlotBox(panel, info.Name, model);
        QLabel* label = MakeLabel(panel, "", info.Caption);
        label->setBuddy(box);
        grid->addWidget(label, s, 0);
        grid->addWidget(box, s, 1);
        if (s > 0) setTabOrder(slotBoxes_[static_cast<size_t>(s - 1)], box);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(kSlotCount, 1);
}

QWidget* EquipmentPage::BuildReadouts()
{
    auto* panel = new QWidget(this);
    panel->setFixedWidth(320);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    auto* buttons = new QGridLayout;
    btnEqFilter = MakeButton(panel, "btnEqFilter", "&Filter");
    btnreseteq = MakeButton(panel, "btnreseteq", "Reset");
    chkRAll = new QCheckBox("All?", panel);
    chkRAll->setObjectName("chkRAll");
    btnSave = MakeButton(panel, "btnSave", "&Save Eq");
    btnLoad = MakeButton(panel, "btnLoad", "Loa&d Eq");
    btnCCB = MakeButton(panel, "btnCCB", "&Paste Eq", "Copy your equipment into the clipboard and press this button.");
    btnBestSet = MakeButton(panel, "btnBestSet", "&Best set...",
                            "Find the set that scores highest for what you care about, within an encumbrance bound.");
    btnCopySet = MakeButton(panel, "btnCopySet", "&Copy set", "Copy the set as the game lists it, for Paste Eq.");
    btnLeqtab = MakeButton(panel, "btnLeqtab", "Load");
    btnLeqtab->setVisible(false);
    buttons->addWidget(btnEqFilter, 0, 0);
    buttons->addWidget(btnreseteq, 0, 1);
    buttons->addWidget(chkRAll, 0, 2);
    buttons->addWidget(btnSave, 1, 0);
    buttons->addWidget(btnLoad, 1, 1);
    buttons->addWidget(btnCCB, 1, 2);
    buttons->addWidget(btnBestSet, 2, 0, 1, 2);
    buttons->addWidget(btnCopySet, 2, 2);
    column->addLayout(buttons);

    // The readouts in two columns of caption and box.
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    edtAC = MakeReadout(panel, "edtAC", QString(), true);
    edtDR = MakeReadout(panel, "edtDR", QString(), true);
    edtEnc = MakeReadout(panel, "edtEnc", "0", false);
    SetBackground(*edtEnc, Qt::white);
    edtMEnc = MakeReadout(panel, "edtMEnc", QString(), true);
    edtAcc = MakeReadout(panel, "edtAcc", QString(), false);
    edtCrit = MakeReadout(panel, "edtCrit", QString(), false);
    edtStealth = MakeReadout(panel, "edtStealth", QString(), false);
    edtMR = MakeReadout(panel, "edtMR", QString(), false);
    edtDodge = MakeReadout(panel, "edtDodge", QString(), false);
    edtMaxDmg = MakeReadout(panel, "edtMaxDmg", QString(), false);
    Label77 = MakeLabel(panel, "Label77", "None");
    const auto place = [&](int row, int col, const char* caption, QWidget* w) {
        grid->addWidget(MakeLabel(panel, "", caption), row, col);
        grid->addWidget(w, row, col + 1);
    };
    place(0, 0, "AC", edtAC);
    place(0, 2, "DR", edtDR);
    place(1, 0, "Enc", edtEnc);
    grid->addWidget(Label77, 1, 2, 1, 2);
    place(2, 0, "Max Enc", edtMEnc);
    place(3, 0, "+Accuracy", edtAcc);
    place(3, 2, "+Critical Hit", edtCrit);
    place(4, 0, "+Stealth", edtStealth);
    place(4, 2, "+MR", edtMR);
    place(5, 0, "+Dodge", edtDodge);
    place(5, 2, "+Max Dmg", edtMaxDmg);

    // The limits of the encumbrance categories, top to bottom.
    lbllightenc = MakeLabel(panel, "lbllightenc", "####");
    lblmedenc = MakeLabel(panel, "lblmedenc", "####");
    lblheavyenc = MakeLabel(panel, "lblheavyenc", "####");
    int row = 6;
    for (const auto& [caption, label] : {std::pair{"None Enc Limit", lbllightenc}, std::pair{"Light Enc Limit", lblmedenc},
                                         std::pair{"Medium Enc Limit", lblheavyenc}}) {
        grid->addWidget(MakeLabel(panel, "", caption), row, 0, 1, 2);
        grid->addWidget(label, row++, 2);
    }

    // What the player types.
    edtEncM = MakeEdit(panel, "edtEncM", "0", "i.e. If you are wearing the emerald-studded bracelet you'd put a 5 here.");
    edtEenc = MakeEdit(panel, "edtEenc", "0", "Like keys and ropes.");
    edtMiscAC = MakeEdit(panel, "edtMiscAC", "1", "Put in the number for ac that you have naked.");
    const struct {
        const char* Caption;
        const char* Hint;
        QLineEdit* Box;
    } inputs[] = {{"Enc Modifiers %", "i.e. for emerald-studded bracelet put 5 or dwarf put 20", edtEncM},
                  {"Misc. Enc", "Extra keys or magma amulets.", edtEenc},
                  {"Misc. AC", "Ice scorceress Quest or Mod2 Quest.", edtMiscAC}};
    for (const auto& in : inputs) {
        QLabel* label = MakeLabel(panel, "", in.Caption, in.Hint);
        label->setBuddy(in.Box);
        in.Box->setFixedWidth(64);
        grid->addWidget(label, row, 0, 1, 2);
        grid->addWidget(in.Box, row++, 2);
    }
    grid->setColumnStretch(4, 1);
    column->addLayout(grid);

    mmoAttribSummary = new QPlainTextEdit(panel);
    mmoAttribSummary->setObjectName("mmoAttribSummary");
    column->addWidget(mmoAttribSummary, 1);
    return panel;
}

void EquipmentPage::FillSlots(const std::function<bool(const TItem&)>& usable, SlotList* swing)
{
    for (SlotListModel* m : slotRows_) m->BeginRefill();
    FillSlotLists(items_, usable, lists_, swing);
    for (SlotListModel* m : slotRows_) m->EndRefill();
    for (QComboBox* box : slotBoxes_) box->setCurrentIndex(0);
    ShowWorn();
}

void EquipmentPage::ShowWorn()
{
    if (links_.WornChanged) links_.WornChanged(Chosen());
}

void EquipmentPage::btnLeqtabClick()
{
    SlotList swing;
    FillSlots({}, &swing);
    links_.SwingWeaponsFilled(std::move(swing));
}

void EquipmentPage::btnEqFilterClick()
{
    WaitCursor cursor;
    const Profile profile = links_.CurrentProfile();
    profile.Level();  // a level that cannot be read leaves the lists as they are
    FillSlots([&profile](const TItem& item) { return MetClassFilter(item, profile); }, nullptr);
}

void EquipmentPage::btnreseteqClick()
{
    if (chkRAll->isChecked()) {
        for (QComboBox* box : slotBoxes_) box->setCurrentIndex(0);
        events_.SetText(*edtMEnc, "0");
        events_.SetText(*edtEenc, "0");
        events_.SetText(*edtEncM, "0");
        links_.SetStrength("100");
        events_.SetText(*edtMiscAC, "1");
        // The maximum follows the restored strength and modifier even when neither text changed.
        edtStrengthChange();
    }
    links_.ClearAlignment();
    for (QLineEdit* box : {edtAC, edtDR, edtAcc, edtStealth, edtEnc, edtCrit, edtMR, edtDodge})
        events_.SetText(*box, QString());
}

void EquipmentPage::cbxHeadChange()
{
    const ChosenItems chosen = Chosen();
    // Everything is worked out before anything is shown, so that an overflow leaves the readouts.
    const EquipmentTotals t = AddUpEquipment(chosen, ToBytes(edtEenc->text()), ToBytes(edtMiscAC->text()));
    const std::string summary = AbilitySummary(t);

    for (int s = 0; s < kSlotCount; ++s) {
        const TItem* item = chosen[static_cast<size_t>(s)];
        SlotBox(static_cast<Slot>(s))->setToolTip(item ? FromBytes(SlotHint(*item)) : QString());
    }
    links_.WeaponChosen(ToBytes(SlotBox(Weapon)->currentText()));
    mmoAttribSummary->setPlainText(FromBytes(summary));
    const std::pair<QLineEdit*, QString> results[] = {
        {edtAC, FromBytes(FormatReal(t.ArmourClass, decimalSep_))},
        {edtDR, FromBytes(FormatReal(t.DamageResist, decimalSep_))},
        {edtAcc, QString::number(t.Accuracy)},
        {edtStealth, QString::number(t.Stealth)},
        {edtEnc, QString::number(t.Encumbrance)},
        {edtEncM, QString::number(t.EncumbranceBonus)},
        {edtCrit, QString::number(t.Crits)},
        {edtMR, QString::number(t.MagicRes)},
        {edtDodge, QString::number(t.Dodge)},
        {edtMaxDmg, QString::number(t.MaxDamageBonus)},
    };
    for (const auto& [box, text] : results) events_.SetText(*box, text);
}

ChosenItems EquipmentPage::Chosen() const
{
    ChosenItems chosen{};
    for (int s = 0; s < kSlotCount; ++s)
        chosen[static_cast<size_t>(s)] = SelectedRecord(*SlotBox(static_cast<Slot>(s)), lists_[static_cast<size_t>(s)]);
    return chosen;
}

std::array<int, kSlotCount> EquipmentPage::Picks() const
{
    std::array<int, kSlotCount> picks{};
    for (int s = 0; s < kSlotCount; ++s) picks[static_cast<size_t>(s)] = std::max(0, SlotBox(static_cast<Slot>(s))->currentIndex());
    return picks;
}

SetInputs EquipmentPage::Inputs() const
{
    return {ToBytes(edtEenc->text()), ToBytes(edtMiscAC->text()), ToBytes(links_.StrengthText())};
}

void EquipmentPage::btnCopySetClick()
{
    const std::array<int, kSlotCount> picks = Picks();
    ui_.SetClipboardText(FromBytes(CopySetText(lists_, picks)));
    QStringList differ;
    for (const Slot s : SlotsNotPastedBack(lists_, picks)) differ << SlotTable()[s].Caption;
    if (!differ.isEmpty())
        ui_.ShowMessage(this, "The set is copied. Pasted back, these slots would get another item of a matching "
                              "name: " + differ.join(", ") + ".");
}

void EquipmentPage::btnBestSetClick()
{
    BestSetDialog::Page page;
    page.Lists = &lists_;
    page.Picks = Picks();
    try {
        page.Strength = GetNumber(ToBytes(links_.StrengthText()));
    } catch (const std::runtime_error&) {
    }  // the page then carries nothing
    page.MiscEncumbrance = ReadStartValues(ToBytes(edtEenc->text()), ToBytes(edtMiscAC->text())).Encumbrance;
    page.DecimalSep = decimalSep_;
    page.Ui = &ui_;
    page.Wear = [this](const std::array<int, kSlotCount>& picks) { events_.Run([this, &picks] { ChooseSet(picks); }); };
    auto* dialog = new BestSetDialog(std::move(page), window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void EquipmentPage::ChooseSet(const std::array<int, kSlotCount>& picks)
{
    for (int s = 0; s < kSlotCount; ++s) SlotBox(static_cast<Slot>(s))->setCurrentIndex(picks[static_cast<size_t>(s)]);
    cbxHeadChange();
}

void EquipmentPage::edtStrengthChange()
{
    QString maximum = "0";  // what cannot be read or worked out counts as nothing carried
    try {
        maximum = QString::number(
            MaxEncumbrance(GetNumber(ToBytes(links_.StrengthText())), GetNumber(ToBytes(edtEncM->text()))));
    } catch (const std::runtime_error&) {
    }
    events_.SetText(*edtMEnc, maximum);
}

void EquipmentPage::edtMEncChange()
{
    SetBackground(*edtEnc, Qt::white);
    Label77->setText("None");
    try {
        const EncumbranceLimits limits = LimitsOf(GetNumber(ToBytes(edtMEnc->text())));
        lbllightenc->setText(QString::number(limits.None));
        lblmedenc->setText(QString::number(limits.Light));
        lblheavyenc->setText(QString::number(limits.Medium));
        const EncumbranceCategory c = CategoryOf(GetNumber(ToBytes(edtEnc->text())), limits);
        Label77->setText(CategoryName(c));
        SetBackground(*edtEnc, CategoryColour(c));
    } catch (const EConvertError&) {
        for (QLabel* l : {lbllightenc, lblmedenc, lblheavyenc}) l->setText("???");
        return;
    }
    links_.EncumbranceShown(edtMEnc->text(), edtEnc->text());
}

void EquipmentPage::btnCCBClick()
{
    if (!ui_.ClipboardHasText()) {
        ui_.ShowMessage(this, "There is no text on the Clipboard");
    } else {
        const PasteResult pasted = PasteEquipment(ToBytes(ui_.ClipboardText()), lists_);
        if (pasted.Status == PasteStatus::NotEquipment) ui_.ShowMessage(this, "Copy a valid KR players equipment first!");
        for (int s = 0; s < kSlotCount; ++s)
            if (const auto& pick = pasted.Picks[static_cast<size_t>(s)]) SlotBox(static_cast<Slot>(s))->setCurrentIndex(*pick);
    }
    cbxHeadChange();
}

namespace {

// A file error naming the file as the file system does.
[[noreturn]] void FileError(const char* what, const QString& path, const QString& why)
{
    throw EInOutError(QFile::encodeName(QString("%1 \"%2\". %3").arg(what, path, why)).toStdString());
}

}  // namespace

void EquipmentPage::btnSaveClick()
{
    const QString confirmed = links_.AskSetFile(true);
    if (confirmed.isEmpty()) return;
    const QString path = QFile::decodeName(SetFileName(QFile::encodeName(confirmed).toStdString()).c_str());
    // The name the player confirmed is the only one the dialog may have warned about.
    if (path != confirmed && QFileInfo::exists(path) &&
        !ui_.Confirm(this, QString("%1 already exists.\nDo you want to replace it?").arg(path)))
        return;
    std::array<const TItem*, kSlotCount> chosen{};
    for (int s = 0; s < kSlotCount; ++s)
        chosen[static_cast<size_t>(s)] = SelectedRecord(*slotBoxes_[static_cast<size_t>(s)], lists_[static_cast<size_t>(s)]);
    SetTexts texts = links_.ProfileTexts();
    texts.MiscEnc = ToBytes(edtEenc->text());
    texts.EncModifier = ToBytes(edtEncM->text());
    texts.MiscAC = ToBytes(edtMiscAC->text());
    const std::string content = SetFileText(chosen, texts);
    // Written beside the old file and put in its place only when whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) FileError("Cannot create file", path, file.errorString());
    if (file.write(content.data(), static_cast<qint64>(content.size())) != static_cast<qint64>(content.size()) ||
        !file.commit())
        FileError("Cannot write file", path, file.errorString());
}

void EquipmentPage::btnLoadClick()
{
    const QString path = links_.AskSetFile(false);
    if (path.isEmpty() || !QFileInfo::exists(path)) return;
    WaitCursor cursor;
    const QFileInfo info(path);
    if (info.isDir()) FileError("Cannot open file", path, "It is a folder.");
    if (info.size() > static_cast<qint64>(kMaxSetFileBytes))
        FileError("Cannot load file", path, "It is too large to be an equipment set.");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) FileError("Cannot open file", path, file.errorString());
    const QByteArray bytes = file.read(static_cast<qint64>(kMaxSetFileBytes) + 1);
    if (file.error() != QFileDevice::NoError) FileError("Cannot read file", path, file.errorString());
    file.close();
    const std::vector<std::string> lines = SplitLines(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (!HoldsSetLines(lines)) FileError("Cannot load file", path, "It is not an equipment set.");

    links_.RestoreProfile(ReadSavedProfile(lines));
    links_.FilterAll();
    std::exception_ptr failed;
    try {
        for (const std::string& line : lines) ApplySavedLine(line);
    } catch (...) {
        failed = std::current_exception();
    }
    cbxHeadChange();
    if (failed) std::rethrow_exception(failed);
}

void EquipmentPage::ApplySavedLine(const std::string& line)
{
    try {
        for (const int key : KeysInLine(line)) {
            if (key < kSlotCount) {
                const Slot slot = static_cast<Slot>(key);
                SlotBox(slot)->setCurrentIndex(FindItemEntry(line, slot));
                if (slot == Weapon) links_.WeaponChosen(ToBytes(SlotBox(Weapon)->currentText()));
                continue;
            }
            QLineEdit* box = key == MiscEncKey ? edtEenc : key == EncModifierKey ? edtEncM : edtMiscAC;
            events_.SetText(*box, FromBytes(ValueOfLine(line)));
        }
    } catch (const EConvertError&) {
        // A value that is not a number ends this line only.
    }
}

int EquipmentPage::FindItemEntry(const std::string& line, Slot slot)
{
    const int32_t number = StrToInt(ValueOfLine(line));
    const SlotList& list = lists_[static_cast<size_t>(slot)];
    for (int i = 1; i < list.size(); ++i)
        if (list.Record(i)->Number == number) return i;
    return 0;
}

}  // namespace vantor
