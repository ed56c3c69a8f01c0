#pragma once
// What the player does with characters: picks one in the top panel (the one left is kept, the
// one chosen brought back as the session brings the last one back, with its own undo history),
// and "New...", "Rename...", "Copy...", "Delete", "Export..." and "Import..." of the Characters
// menu. Each change is saved at once.

#include "app/window/MainMenu.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <optional>

class QMainWindow;

namespace vantor {

class CharacterBook;
class CharacterPanel;
class EquipmentPage;
class EventGuard;
class IUserInterface;
class ScaleBook;
class SettingsStore;
class WindowSession;

class CharacterActions : public QObject {
    Q_OBJECT
public:
    struct Parts {
        QMainWindow* Window = nullptr;
        CharacterPanel* Panel = nullptr;
        CharacterBook* Book = nullptr;
        ScaleBook* Scales = nullptr;
        WindowSession* Session = nullptr;
        EquipmentPage* Equipment = nullptr;
        IUserInterface* Ui = nullptr;
        EventGuard* Events = nullptr;
        SettingsStore* Settings = nullptr;  // the folder of the last set or character file
    };
    explicit CharacterActions(const Parts& parts);

    // Shows the characters in the top panel, which then picks them.
    // The top panel's pick: the character i of the book.
    void SwitchTo(size_t i);
    // The Characters menu's entries run these.
    void Offer(MainMenu::Actions& actions);
    void NewClick();
    void RenameClick();
    void CopyClick();
    void DeleteClick();
    void ExportClick();
    void ImportClick();

private:
    // A name the player types that no other character has; empty when cancelled.
    QString AskName(const QString& question, const QString& start, std::optional<size_t> renaming = std::nullopt);
    void Save();
    // The file the player names in an open or save dialog, starting in the folder of the last set
    // or character file (else the documents), at name when given; empty: cancelled.
    QString AskFile(bool save, const QString& name = {});
    void Tell(const QStringList& notices);

    Parts p_;
};

}  // namespace vantor
