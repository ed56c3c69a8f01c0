#pragma once
// The search of a list page: its text, "&Find" from the top and "&Next" on from the last hit (the
// window's one search position, shared by the lists), the hit selected and scrolled into sight;
// "Not found." when there is none.

#include <QObject>

class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace vantor {

class EventGuard;
class ListPage;
struct FindPosition;
struct ListPageNames;

class ListSearch : public QObject {
    Q_OBJECT
public:
    ListSearch(ListPage& page, const ListPageNames& names, EventGuard& events, FindPosition& find);

    // The text and the two buttons, for the page's strip.
    QHBoxLayout* Row() const { return row_; }
    QPushButton* FindButton() const { return findFirst_; }
    // Handlers: "&Find" (btnFFAClick and its kin) and "&Next" (btnFindClick ...).
    void FindFirstClick();
    void FindNextClick();

private:
    ListPage& page_;
    FindPosition& find_;
    QHBoxLayout* row_;
    QLineEdit* text_;
    QPushButton* findFirst_;
    QPushButton* findNext_;
};

}  // namespace vantor
