#pragma once
// What every page of the window is built with: the error guard, the boxes and clipboard, the
// loaded records, the character of the top panel and the system's decimal separator.

#include "app/LoadedData.h"

namespace vantor {

class CharacterPanel;
class EventGuard;
class IUserInterface;

struct PageContext {
    EventGuard& Events;
    IUserInterface& Ui;
    LoadedData& Data;  // written only by the load, and by the blessing page's durations
    CharacterPanel& Character;
    char DecimalSep;
};

}  // namespace vantor
