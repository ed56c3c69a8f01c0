#pragma once
// "Corvath's Swing Calculator 2.1": swings per round with a weapon. A box of the "&Utilities" page.

#include "app/common/PageContext.h"
#include "equipment/SlotLists.h"
#include "filters/Profile.h"

#include <QGroupBox>

#include <array>
#include <functional>
#include <string_view>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vantor {

class CharacterPanel;
class EventGuard;
class SlotListModel;

class SwingBox : public QGroupBox {
    Q_OBJECT
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
