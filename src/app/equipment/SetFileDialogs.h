#pragma once
// The open and save dialogs of set files: the filter "Equiment files (*.kreq)", and the folder of
// the last set file opened or saved (kept in the settings) to start in, else the player's documents.

#include <QString>

class QWidget;

namespace vantor {

class IUserInterface;
class SettingsStore;

// An open or save dialog of the page: its filter text and initial folder.
struct FileDialogSettings {
    QString Filter;
    QString InitialDir;
};

class SetFileDialogs {
public:
    SetFileDialogs(IUserInterface& ui, SettingsStore& settings);
    // The file the player names; empty: cancelled.
    QString Ask(QWidget* parent, bool save);

private:
    IUserInterface& ui_;
    SettingsStore& settings_;
    FileDialogSettings OpenDialog1;
    FileDialogSettings SaveDialog1;
};

}  // namespace vantor
