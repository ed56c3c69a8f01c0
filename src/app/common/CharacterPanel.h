#pragma once
// The top panel: the character the filters and the planner work for (level, class, strength,
// alignment), "Filter all", and "Exit". Pages that need the character hold the panel by reference
// and read it when they act.

#include "equipment/SetFile.h"
#include "filters/Profile.h"

#include <QWidget>

#include <functional>
#include <vector>

class QAbstractItemModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vantor {

class EventGuard;

class CharacterPanel : public QWidget {
    Q_OBJECT
public:
    // What the panel's buttons and the class preset reach beyond the panel; the frame fills them in.
    struct Actions {
        std::function<void()> FilterAll, Load, Exit;
        std::function<void(const ClassPreset&)> ClassChosen;  // the pages tick what the class wants
        std::function<QString()> AgilityText;                 // the character's agility, kept with sets
        std::function<void(const QString&)> SetAgility;
    };

    CharacterPanel(EventGuard& events, QWidget* parent);
    void SetActions(Actions actions) { actions_ = std::move(actions); }

    // Handlers: the class preset, the alignment boxes (at most one ticked).
    void cbxAClassChange();
    void chkGoodClick();
    void chkNeutralClick();
    void chkEvilClick();

    // The character as the panel describes it now.
    Profile CurrentProfile() const;
    int32_t ClassCode() const;
    QString LevelText() const;
    QString StrengthText() const;
    // Writes the strength (its change handler runs) or unticks the alignment.
    void SetStrength(const QString& text);
    void ClearAlignment();
    // The character as a set file keeps it, and back, in the order level, class, strength,
    // agility, alignment; a number that does not read raises.
    SetTexts ProfileTexts() const;
    void RestoreProfile(const SavedProfile& saved);

    // The characters' names for cbxCharacter, and the one it shows (no pick of the player's).
    void ShowCharacters(QAbstractItemModel* names);
    void ShowCharacter(int i);
    // The character picker, which the frame places (it is made here, with the panel's other controls).
    QWidget* CharacterPicker() const { return picker_; }
    // What the player's pick of a character runs.
    void SetCharacterChosen(std::function<void(int)> chosen) { characterChosen_ = std::move(chosen); }

    // The panel's controls in tab order.
    std::vector<QWidget*> TabOrder() const;

private:
    void BuildControls();

    EventGuard& events_;
    Actions actions_;
    std::function<void(int)> characterChosen_;
    QWidget* picker_;
    QComboBox* cbxCharacter;
    QLabel* lblA;
    QLineEdit* edtAlvl;
    QComboBox* cbxAClass;
    QLabel* Label29;
    QLineEdit* edtStrength;
    QCheckBox* chkGood;
    QCheckBox* chkNeutral;
    QCheckBox* chkEvil;
    QPushButton* btnFilterAll;
    QPushButton* Load;
    QPushButton* Exit;

signals:
    // The level or the strength box changed, typed or written.
    void LevelChanged();
    void StrengthChanged();
};

}  // namespace vantor
