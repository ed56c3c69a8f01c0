#pragma once
// "Mana Regen Calculator": mana regained per tick. A box of the "&Utilities" page.

#include "app/common/PageContext.h"
#include "filters/Profile.h"

#include <QGroupBox>

class QLabel;
class QLineEdit;

namespace vantor {

class CharacterPanel;
class EventGuard;
class IUserInterface;

class ManaRegenBox : public QGroupBox {
    Q_OBJECT
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

}  // namespace vantor
