#include "app/window/WindowSession.h"

#include "app/common/CharacterPanel.h"
#include "app/common/EventGuard.h"
#include "app/equipment/EquipmentPage.h"
#include "app/lists/ArmorPage.h"
#include "app/lists/SpellsPage.h"
#include "app/lists/WeaponsPage.h"
#include "app/session/Session.h"
#include "app/utilities/ManaBlessingPage.h"
#include "data/Errors.h"
#include "equipment/SetFile.h"

#include <QMainWindow>
#include <QSplitter>
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
// The widths the player gave a list's columns as kept: "column:width,..." (none: empty).
QString WidthsText(const std::vector<int>& widths)
{
    QStringList parts;
    for (size_t c = 0; c < widths.size(); ++c)
        if (widths[c] > 0) parts << QString("%1:%2").arg(c).arg(widths[c]);
    return parts.join(',');
}
// Pairs that do not read, or name a column the list has not, are left out.
std::vector<int> ReadWidths(const std::optional<QString>& value, int columns)
{
    std::vector<int> widths(static_cast<size_t>(std::max(columns, 0)), 0);
    if (!value) return widths;
    for (const QString& part : value->split(',', Qt::SkipEmptyParts)) {
        const QStringList pair = part.split(':');
        bool column = false, width = false;
        const int c = pair.value(0).toInt(&column), w = pair.value(1).toInt(&width);
        if (pair.size() == 2 && column && width && c >= 0 && c < columns && w > 0 && w <= 4000)
            widths[static_cast<size_t>(c)] = w;
    }
    return widths;
}

std::optional<SortState> ReadSort(const std::optional<QString>& value, int columns)
{
    if (!value) return std::nullopt;
    const QStringList parts = value->split(':');
    bool column = false, way = false;
    const int c = parts.value(0).toInt(&column), d = parts.value(1).toInt(&way);
    if (parts.size() != 2 || !column || !way || c < 0 || c >= columns || (d != 0 && d != 1)) return std::nullopt;
    return SortState{c, d == 1};
}

// The slots are kept as the set, not as controls, and the character picked is the characters'.
QSet<QString> NotKeptAsControls()
{
    QSet<QString> names{"cbxCharacter"};
    for (const SlotInfo& slot : SlotTable()) names << slot.Name;
    return names;
}

}  // namespace

WindowSession::WindowSession(QMainWindow& window, SettingsStore& settings, EventGuard& events, const WindowPages& pages)
    : window_(window), settings_(settings), events_(events), pages_(pages)
{}

std::vector<std::pair<QString, ListPage*>> WindowSession::ListPages() const
{
    return {{"armour", pages_.Armor}, {"weapons", pages_.Weapons}, {"spells", pages_.Spells}, {"other", pages_.Other}};
}

QStringList WindowSession::Restore() { return RestoreWith(false); }
QStringList WindowSession::RestoreCharacter() { return RestoreWith(true); }

QStringList WindowSession::RestoreWith(bool whole)
{
    if (!defaults_) defaults_ = CaptureControls(window_, NotKeptAsControls());
    QStringList unread, missing;
    events_.Run([&] {
        if (const auto controls = SavedStates(settings_, keys::Controls(), unread); controls || whole)
            RestoreControls(controls, whole, unread, missing);
        else if (const std::vector<std::string> lines = SavedSet(settings_); !lines.empty())
            RestoreSetOnly(lines, unread, missing);
        QTabWidget* tabs = pages_.Tabs;
        if (const auto page = SavedPage(settings_, tabs->count()); page && tabs->isTabVisible(*page))
            tabs->setCurrentIndex(*page);
    });
    QStringList notices;
    if (!unread.isEmpty())
        notices << QString("Left out of the last session, as they do not read: %1.").arg(unread.join(", "));
    if (!missing.isEmpty())
        notices << QString("The last session's set names items the slot lists do not offer; their slots are left "
                           "empty: %1.")
                       .arg(missing.join(", "));
    return notices;
}

void WindowSession::RestoreControls(const std::optional<ControlStates>& controls, bool whole, QStringList& unread,
                                    QStringList& missing)
{
    const auto blessings = SavedStates(settings_, Blessings(), unread);
    if (whole) {
        // The defaults, and the blessings as a start offers them (for the top panel as it starts).
        ApplyControls(window_, *defaults_);
        if (!blessings) pages_.Blessings->ShowAll();
    }
    // The lists as they were filtered, each filter run again with the controls it read then, and
    // sorted as they were.
    for (const auto& [key, page] : ListPages()) {
        const auto sort = ReadSort(keys::Sorts().Text(key, 32).Find(settings_), page->Rows().columnCount());
        if (sort) page->SetSort(*sort);
        const auto filtered = SavedStates(settings_, keys::Filters().Group(key), unread);
        if (filtered && !page->Refilter(*filtered)) unread << keys::Filters().Group(key).Name;
        if (!filtered && whole) page->ShowAll();
        if (!filtered && !whole && sort) page->Sort();
        page->SetColumnWidths(ReadWidths(keys::Widths().Text(key, 1024).Find(settings_), page->Rows().columnCount()));
    }
    if (blessings) pages_.Blessings->Refilter(*blessings);
    // The set, in slot lists filled for the character they were filled for; a character kept with
    // its set alone (an imported one) has its profile in the set's lines.
    const std::vector<std::string> lines = SavedSet(settings_);
    if (!controls) RestoreProfile(lines, unread);
    missing << pages_.Equipment->RestoreSet(SavedCharacter(settings_, keys::SlotsFor(), unread), lines);
    // Then every control as it was left, and what rests on them worked out again.
    if (controls)
        for (const QString& name : ApplyControls(window_, *controls)) unread << keys::Controls().Text(name).Name;
    pages_.Equipment->edtStrengthChange();
    pages_.Equipment->edtMEncChange();
}

void WindowSession::RestoreSetOnly(const std::vector<std::string>& lines, QStringList& unread, QStringList& missing)
{
    // A session kept before the controls were: the character and the set, in lists of every item.
    RestoreProfile(lines, unread);
    missing << pages_.Equipment->RestoreSet(std::nullopt, lines);
}

void WindowSession::RestoreProfile(const std::vector<std::string>& lines, QStringList& unread)
{
    if (lines.empty()) return;
    try {
        pages_.Panel->RestoreProfile(ReadSavedProfile(lines));
    } catch (const EConvertError&) {
        unread << keys::Set().Name;
    }
}

void WindowSession::ForgetLayout()
{
    for (const auto& [key, page] : ListPages()) page->ResetLayout();
    for (QSplitter* split : window_.findChildren<QSplitter*>()) {
        QList<int> sizes;
        for (int i = 0; i < split->count(); ++i) {
            const QSize hint = split->widget(i)->sizeHint();
            sizes << std::max(1, split->orientation() == Qt::Horizontal ? hint.width() : hint.height());
        }
        split->setSizes(sizes);
    }
}

void WindowSession::Keep()
{
    KeepSession(settings_, window_, pages_.Tabs->currentIndex(), pages_.Equipment->SetText());
    KeepStates(settings_, keys::Controls(), CaptureControls(window_, NotKeptAsControls()));
    for (const auto& [key, page] : ListPages()) {
        keys::Sorts().Group(key).Remove(settings_);
        if (const auto order = page->Order()) keys::Sorts().Text(key, 32).Write(settings_, SortText(*order));
        keys::Widths().Text(key, 1024).Write(settings_, WidthsText(page->ColumnWidths()));
        KeepStates(settings_, keys::Filters().Group(key), page->Filtered());
    }
    KeepStates(settings_, Blessings(), pages_.Blessings->Filtered());
    KeepCharacter(settings_, keys::SlotsFor(), pages_.Equipment->SlotsFor());
}

}  // namespace vantor
