#pragma once
// The three calculators of the "&Utilities" page, each a group box of its own.

#include "equipment/SlotLists.h"
#include "filters/Profile.h"

#include <QGroupBox>

#include <array>
#include <functional>
#include <string_view>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QCheckBox;
class QRadioButton;

namespace vantor {

class EventGuard;
class IUserInterface;
class SlotListModel;

// "True Average Calculations": expected damage per round, typed or pasted from the game.
class TrueAverageBox : public QGroupBox {
public:
    TrueAverageBox(IUserInterface& ui, EventGuard& events, QWidget* parent);
    void btnTrueAveClick();
    void btnTAResetClick();
    void btnUPKRClick();
    // The swing calculator's estimate of swings per round.
    void SetSwings(const QString& text);

private:
    IUserInterface& ui_;
    EventGuard& events_;
    char decimalSep_;
    QLineEdit* edtUhper;
    QLineEdit* edtUhave;
    QLineEdit* edtUcper;
    QLineEdit* edtUcave;
    QLineEdit* edtUeper;
    QLineEdit* edtUeave;
    QLineEdit* edtUswings;
    QLineEdit* edtUTAcal;
};

// "Mana Regen Calculator": mana regained per tick.
class ManaRegenBox : public QGroupBox {
public:
    struct Links {
        std::function<int32_t()> ClassCode;   // the top panel's class
        std::function<QString()> LevelText;   // the top panel's level, as typed
    };
    ManaRegenBox(IUserInterface& ui, EventGuard& events, Links links, QWidget* parent);
    void btnMRCClick();
    void btnMRRClick();
    void ShowLevel(const QString& level);
    void ApplyClassPreset(const ClassPreset& preset);

private:
    IUserInterface& ui_;
    EventGuard& events_;
    Links links_;
    char decimalSep_;
    QLabel* Label58;
    QLineEdit* edtUint;
    QLineEdit* edtUwis;
    QLineEdit* edtUMlvl;
    QLineEdit* edtUMRlvl;
    QLineEdit* edtUMRcal;
};

// "Corvath's Swing Calculator 2.1": swings per round with a weapon.
class SwingBox : public QGroupBox {
public:
    struct Links {
        std::function<QString()> StrengthText;               // the top panel's "Str"
        std::function<QString()> LevelText;                  // the top panel's level, as typed
        std::function<void(const QString&)> SwingsEstimate;  // to the true average calculator
    };
    SwingBox(EventGuard& events, Links links, QWidget* parent);
    void btnQZSwingRClick();
    void btnQZSwingcalClick();
    void cbxUWeaponChange();
    void rbUNormClick();
    void rbUspeedClick();
    void rbUslowClick();

    void FillSwingWeapons(SlotList&& weapons);
    void SelectSwingWeapon(std::string_view name);
    void ShowEncumbrance(const QString& maxEnc, const QString& enc);
    void ShowLevel(const QString& level);
    void ApplyClassPreset(const ClassPreset& preset);
    QString AgilityText() const;
    void SetAgility(const QString& text);

private:
    EventGuard& events_;
    Links links_;
    SlotList weapons_;
    SlotListModel* weaponRows_;
    char decimalSep_;
    QLineEdit* edtUlvl;
    QLineEdit* edtUcombat;
    QLineEdit* edtUagil;
    QLineEdit* edtUenc;
    QLineEdit* edtUMenc;
    QComboBox* cbxUWeapon;
    QRadioButton* rbUNorm;
    QRadioButton* rbUspeed;
    QRadioButton* rbUslow;
    QLineEdit* edtUSpeed;
    QLineEdit* edtUSlow;
    QCheckBox* chkUslow;
    QPushButton* btnQZSwingcal;
    std::array<QLineEdit*, 10> rounds_{};
};

}  // namespace vantor
