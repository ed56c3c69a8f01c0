// The frame's part in the remembered session: the window's place, every control the player set,
// the lists as they were filtered and sorted, the set with the slot lists it was picked from.
#include "app/common/CharacterPanel.h"
#include "app/equipment/EquipmentPage.h"
#include "app/lists/ArmorPage.h"
#include "app/lists/SpellsPage.h"
#include "app/lists/WeaponsPage.h"
#include "app/session/Session.h"
#include "app/utilities/ManaBlessingPage.h"
#include "app/window/Viewer.h"
#include "data/Errors.h"
#include "equipment/SetFile.h"

#include <QStatusBar>
#include <QTabWidget>

namespace vantor {
namespace {

const GroupKey& Blessings()
{
    static const GroupKey key = keys::Filters().Group("blessings");
    return key;
}

// A list's sort state as kept: "column:1" for descending.
QString SortText(SortState sort) { return QString("%1:%2").arg(sort.Column).arg(sort.Descending ? 1 : 0); }
std::optional<SortState> ReadSort(const std::optional<QString>& value, int columns)
{
    if (!value) return std::nullopt;
    const QStringList parts = value->split(':');
    bool column = false, way = false;
    const int c = parts.value(0).toInt(&column), d = parts.value(1).toInt(&way);
    if (parts.size() != 2 || !column || !way || c < 0 || c >= columns || (d != 0 && d != 1)) return std::nullopt;
    return SortState{c, d == 1};
}

}  // namespace

void TViewer::RestoreWindowPlace() { vantor::RestoreWindowPlace(*this, settings_); }

std::vector<std::pair<QString, ListPage*>> TViewer::ListPages() const
{
    return {{"armour", armorPage_}, {"weapons", weaponsPage_}, {"spells", spellsPage_}, {"other", otherPage_}};
}

void TViewer::RestoreSession()
{
    QStringList unread, missing;
    events_.Run([&] {
        if (const auto controls = SavedStates(settings_, keys::Controls(), unread))
            RestoreControls(*controls, unread, missing);
        else if (const std::vector<std::string> lines = SavedSet(settings_); !lines.empty())
            RestoreSetOnly(lines, unread, missing);
        if (const auto page = SavedPage(settings_, TDisplay->count()); page && TDisplay->isTabVisible(*page))
            TDisplay->setCurrentIndex(*page);
    });
    QStringList notices;
    if (!settings_.Summary().isEmpty()) notices << settings_.Summary();
    if (!unread.isEmpty())
        notices << QString("Left out of the last session, as they do not read: %1.").arg(unread.join(", "));
    if (!missing.isEmpty())
        notices << QString("The last session's set names items the slot lists do not offer; their slots are left "
                           "empty: %1.")
                       .arg(missing.join(", "));
    if (!notices.isEmpty()) {
        QStringList whole = notices;
        if (!settings_.Notice().isEmpty()) whole.replace(0, settings_.Notice());
        Notice(notices.join(" "), whole.join("\n"));
    }
    if (!openAtStart_.isEmpty()) events_.Run([this] { equipmentPage_->OpenSet(openAtStart_); });
    equipmentPage_->StartHistory();  // the first step is the set the player comes back to
}

void TViewer::RestoreControls(const ControlStates& controls, QStringList& unread, QStringList& missing)
{
    // The lists as they were filtered, each filter run again with the controls it read then, and
    // sorted as they were.
    for (const auto& [key, page] : ListPages()) {
        const auto sort = ReadSort(keys::Sorts().Text(key, 32).Find(settings_), page->Rows().columnCount());
        if (sort) page->SetSort(*sort);
        const auto filtered = SavedStates(settings_, keys::Filters().Group(key), unread);
        if (filtered && !page->Refilter(*filtered)) unread << keys::Filters().Group(key).Name;
        if (!filtered && sort) page->Sort();
    }
    if (const auto filtered = SavedStates(settings_, Blessings(), unread)) manaBlessingPage_->Refilter(*filtered);
    // The set, in slot lists filled for the character they were filled for.
    missing << equipmentPage_->RestoreSet(SavedCharacter(settings_, keys::SlotsFor(), unread), SavedSet(settings_));
    // Then every control as it was left, and what rests on them worked out again.
    for (const QString& name : ApplyControls(*this, controls)) unread << keys::Controls().Text(name).Name;
    equipmentPage_->edtStrengthChange();
    equipmentPage_->edtMEncChange();
}

void TViewer::RestoreSetOnly(const std::vector<std::string>& lines, QStringList& unread, QStringList& missing)
{
    // A session kept before the controls were: the character and the set, in lists of every item.
    try {
        panel_->RestoreProfile(ReadSavedProfile(lines));
    } catch (const EConvertError&) {
        unread << "session/set";
    }
    missing << equipmentPage_->RestoreSet(std::nullopt, lines);
}

void TViewer::closeEvent(QCloseEvent* e)
{
    KeepSession(settings_, *this, TDisplay->currentIndex(), equipmentPage_->SetText());
    QSet<QString> skip;  // the slots are kept as the set
    for (const SlotInfo& slot : SlotTable()) skip << slot.Name;
    KeepStates(settings_, keys::Controls(), CaptureControls(*this, skip));
    for (const auto& [key, page] : ListPages()) {
        keys::Sorts().Group(key).Remove(settings_);
        if (const auto order = page->Order()) keys::Sorts().Text(key, 32).Write(settings_, SortText(*order));
        KeepStates(settings_, keys::Filters().Group(key), page->Filtered());
    }
    KeepStates(settings_, Blessings(), manaBlessingPage_->Filtered());
    KeepCharacter(settings_, keys::SlotsFor(), equipmentPage_->SlotsFor());
    QString error;
    if (!settings_.Save(error)) ui_.ShowMessage(this, error);
    QMainWindow::closeEvent(e);
}

void TViewer::Notice(const QString& text, const QString& whole)
{
    statusBar()->showMessage(text);
    statusBar()->setToolTip(whole.isEmpty() ? text : whole);
}

}  // namespace vantor
