#pragma once
// The items the character owns, on a list page of items: "I own this" and "I do not own this" in
// the list's menu, "Owned only" on the page (applied on top of the page's own filter), and the
// list's Own column kept up to date as the marks or the character change.

#include "lists/ListRows.h"

#include <QObject>

#include <vector>

class QCheckBox;
class QWidget;

namespace vantor {

class CharacterBook;
class EventGuard;
class IUserInterface;
class ListPage;

class OwnedMarks : public QObject {
    Q_OBJECT
public:
    // The box is made for the page, which places it; the actions go into its list's menu.
    OwnedMarks(CharacterBook& book, EventGuard& events, IUserInterface& ui, ListPage& page);

    QCheckBox* OwnedOnlyBox() const { return box_; }
    bool Owns(const TItem& item) const;
    // Leaves out the rows of items not owned while "Owned only" is ticked; any thread may call it
    // while the window waits.
    void DropUnowned(std::vector<ListRow>& rows) const;

private:
    CharacterBook& book_;
    QCheckBox* box_;
    bool ownedOnly_ = false;  // the box's tick, for the load's thread
};

}  // namespace vantor
