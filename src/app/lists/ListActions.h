#pragma once
// The menu of a list page's list, its shortcuts working while the list has the focus: "Copy",
// "Copy with header", "Export..." and, on the lists that wear, "Wear" (also a double-click and
// Enter) and "Compare with worn".

namespace vantor {

class EventGuard;
class ListPage;

void AddListActions(ListPage& page, EventGuard& events, bool wears);

}  // namespace vantor
