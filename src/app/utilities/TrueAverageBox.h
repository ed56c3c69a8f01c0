#pragma once
// "True Average Calculations": expected damage per round, typed or pasted from the game. A box of the "&Utilities"
// page.

#include "app/common/PageContext.h"

#include <QGroupBox>

class QLineEdit;

namespace vantor {

class CharacterPanel;
class EventGuard;
class IUserInterface;

class TrueAverageBox : public QGroupBox {
    Q_OBJECT
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

}  // namespace vantor
