#pragma once
// The active scale where lists are read: "Scale" with its drop-down list (cbxScale) and
// "Scales..." (btnScales). Every picker shows the one active scale of the window.

#include <QWidget>

class QComboBox;

namespace vantor {

class EventGuard;
class IUserInterface;
class ScaleBook;

class ScalePicker : public QWidget {
    Q_OBJECT
public:
    ScalePicker(ScaleBook& book, EventGuard& events, IUserInterface& ui, char decimalSep, QWidget* parent);

private:
    ScaleBook& book_;
    EventGuard& events_;
    IUserInterface& ui_;
    QComboBox* cbxScale;
};

}  // namespace vantor
