#pragma once
// What the planning dialogs take from the Equipment page: what both take (the slot lists, the
// boxes and clipboard, the error guard, the scales, how a set is worn), what "Upgrade path..."
// takes besides, and what its two pages share with the dialog.

#include "equipment/UpgradePath.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace vantor {

class EventGuard;
class IUserInterface;
class ScaleBook;
class SearchRunner;

struct PlanInputs {
    const SlotLists* Lists = nullptr;
    char DecimalSep = '.';
    IUserInterface* Ui = nullptr;                                  // says why a search does not start
    EventGuard* Events = nullptr;                                  // every handler of the dialog runs through it
    ScaleBook* Scales = nullptr;                                   // the scale to start from, and to keep
    std::function<void(const std::array<int, kSlotCount>&)> Wear;  // as the player's picks
    std::function<bool(const TItem&)> Owned;  // the items the character owns, for "From": owned only
};

// "Best set..." and "What to get next...": besides, what the page's category rests on.
struct CategoryInputs : PlanInputs {
    std::optional<int32_t> Strength;  // nothing when "Str" does not read
    int32_t MiscEncumbrance = 0;      // the load before any item
};

// "Upgrade path...": the character, the set worn and its lists.
struct PathInputs : PlanInputs {
    PlanQuestion Plan;             // its scale and bound are the dialog's
    std::optional<int32_t> Level;  // the top panel's; nothing when it is empty or does not read
    ChosenItems Worn{};
};

// What the dialog lends its two pages: the one search at a time, the question with the scale the
// dialog shows, the status line, and closing once a set is worn.
struct PlanTabHost {
    SearchRunner* Runner = nullptr;
    std::function<PlanQuestion()> Question;
    std::function<void(bool)> Searching;  // a search starts (true) or ends: both pages' buttons follow
    std::function<void(const QString&)> Status;
    std::function<void()> Accept;
};

}  // namespace vantor
