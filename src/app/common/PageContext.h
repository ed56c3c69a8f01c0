#pragma once
// What every page of the window is built with: the error guard, the boxes and clipboard, the
// loaded records, the character of the top panel, the scales, the player's settings and the
// system's decimal separator, and the characters with what they own.

#include "app/common/LoadedData.h"

namespace vantor {

class CharacterBook;
class CharacterPanel;
class EventGuard;
class IUserInterface;
class ScaleBook;
class SettingsStore;

struct PageContext {
    EventGuard& Events;
    IUserInterface& Ui;
    LoadedData& Data;  // written only by the load, and by the blessing page's durations
    CharacterPanel& Character;
    ScaleBook& Scales;        // what the player values: the gains, the comparisons, the best set
    SettingsStore& Settings;  // the player's settings, kept whole at close
    char DecimalSep;
    CharacterBook& Characters;  // the active character's owned items
};

}  // namespace vantor
