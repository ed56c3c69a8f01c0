#pragma once
// The load of the data files into every list: the records read with the waiting window shown, the
// rows of the four lists built on two threads while the window stays painted, the slot lists made
// after, and the records of the load before freed on a thread of their own.

#include "app/common/LoadedData.h"
#include "app/window/WindowPages.h"
#include "lists/ListRows.h"

#include <QString>

#include <functional>
#include <future>
#include <vector>

namespace vantor {

class DataLoad {
public:
    DataLoad(LoadedData& data, const WindowPages& pages);
    ~DataLoad();  // waits for the freeing

    // The load from the data folder dir; window is the waiting window's parent.
    void Run(QWidget* window, const QString& dir);
    // Empties every list, and every list that points at a record; the records of the load
    // before are freed on another thread, and FinishFreeing waits until they are.
    void ClearLists();
    void FinishFreeing();

private:
    // What each empty list says about the file to put where.
    void ShowMissingFiles(const QString& dir);
    // The rows of the four lists are made here while a second thread orders the items by name for
    // the armour and weapon lists (sorted by it without a sort of their own) and the slot lists,
    // which are then made on a thread of their own while the lists are shown: first spells, then
    // weapons, armour, other. Also finds the blessings the character casts.
    std::vector<TSpell*> DisplayLists(const std::function<void()>& pump);

    LoadedData& data_;
    WindowPages pages_;
    std::future<void> disposal_;  // frees the rows and records of the load before, off this thread
};

}  // namespace vantor
