#pragma once
// The open and save dialogs of set files: the filter "Equiment files (*.kreq)", and the folder of
// the last set file opened or saved (kept in the settings) to start in, else the player's documents;
// and the set file in use, which "Save set" writes again.

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
    // The file the player names to open; empty: cancelled.
    QString AskOpen(QWidget* parent) { return Ask(parent, false); }
    // The file to save to: the name the player gives, with ".kreq" added when it has no
    // extension (asking before replacing a file of that name); empty: cancelled.
    QString AskSave(QWidget* parent);
    // The set file opened or saved last; empty for none.
    const QString& Current() const { return current_; }
    void Used(const QString& path) { current_ = path; }

private:
    QString Ask(QWidget* parent, bool save);

    IUserInterface& ui_;
    SettingsStore& settings_;
    FileDialogSettings OpenDialog1;
    FileDialogSettings SaveDialog1;
    QString current_;
};

}  // namespace vantor
