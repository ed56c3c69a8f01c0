#pragma once
// What the player has set in a window's controls, by each control's name: the text of a box, the
// state of a check box or radio button, the entry of a drop-down list, the place of a splitter.
// Taken to keep a session, and set back without running any handler.

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

class QWidget;

namespace vantor {

// A control's name and its state as text.
using ControlStates = QMap<QString, QString>;

// Every named control under root that shows root (a dialog above it is left out), but those
// named in skip; a name two controls share is left out too.
ControlStates CaptureControls(const QWidget& root, const QSet<QString>& skip = {});

// Sets each control under root that states names to its state, quietly: no handler runs. Gives
// the names whose state does not fit their control (an entry the list no longer holds, a state
// that is not one), which are left as they are; names no control has are passed over.
QStringList ApplyControls(QWidget& root, const ControlStates& states);

}  // namespace vantor
