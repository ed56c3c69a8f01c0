#pragma once
// The three calculators of the "&Utilities" page, each a group box of its own.

#include "app/PageContext.h"
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
class QGridLayout;
class QRadioButton;

namespace vantor {

class CharacterPanel;
class EventGuard;
class IUserInterface;
class SlotListModel;

// "True Average Calculations": expected damage per round, typed or pasted from the game.
class TrueAverageBox : public QGroupBox {
public:
    TrueAverageBox(const PageContext& context, QWidget* parent);
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
    ManaRegenBox(const PageContext& context, QWidget* parent);
    void btnMRCClick();
    void btnMRRClick();
    void ShowLevel(const QString& level);
    void ApplyClassPreset(const ClassPreset& preset);

private:
    IUserInterface& ui_;
    EventGuard& events_;
    const CharacterPanel& character_;
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
    // swingsEstimate: where the swings per round go (the true average calculator).
    SwingBox(const PageContext& context, std::function<void(const QString&)> swingsEstimate, QWidget* parent);
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
    void BuildInputs(QGridLayout* grid);
    QWidget* BuildOptions();
    QGridLayout* BuildRounds();
    void ConnectHandlers(QPushButton* reset);

    EventGuard& events_;
    const CharacterPanel& character_;
    std::function<void(const QString&)> swingsEstimate_;
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
