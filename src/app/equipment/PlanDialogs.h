#pragma once
// The Equipment page's planning dialogs: "Best set...", "Upgrade path...", "What to get next..."
// and "Compare sets...",
// each given what it takes from the page when it opens.

#include "app/common/PageContext.h"
#include "app/equipment/SlotPanel.h"
#include "app/planner/PlanInputs.h"
#include "equipment/Compare.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace vantor {

class PlanDialogs {
public:
    // What the dialogs read from the page when they open, and how a set is worn.
    struct Page {
        const SlotLists* Lists = nullptr;
        std::function<ChosenItems()> Chosen;
        std::function<SlotPanel::Picks()> Picks;
        std::function<SetInputs()> Inputs;
        std::function<void(const SlotPanel::Picks&)> Wear;  // as the player's picks
        std::function<QString()> AskSetFile;                // a set file that is there; empty: none
    };

    // The dialogs open over parent's window.
    PlanDialogs(const PageContext& context, Page page, QWidget* parent);

    void OpenBestSet();
    void OpenUpgradePath();
    void OpenHunt();
    // Asks for the set file to put beside the set worn; raises, as "Load Eq" does, for one that
    // does not read.
    void OpenCompareSets();

private:
    // What the category rests on, as the dialogs take it: the strength (nothing when "Str" does
    // not read) and the load before any item.
    std::optional<int32_t> Strength() const;
    int32_t MiscEncumbrance() const;
    // What every dialog takes from the page, and what the best set's dialogs take besides.
    void Lend(PlanInputs& page) const;
    void Lend(CategoryInputs& page) const;
    // The items the active character owns, as they are when a dialog opens.
    std::function<bool(const TItem&)> Owned() const;

    PageContext context_;
    Page page_;
    QWidget* parent_;
};

}  // namespace vantor
