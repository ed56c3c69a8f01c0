#include "app/common/ControlStates.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSplitter>
#include <QWidget>

namespace vantor {
namespace {

constexpr qsizetype kLongestState = 4096;

// The controls under root whose state is kept, by name; a name two share is left out.
QMap<QString, QWidget*> KeptControls(const QWidget& root)
{
    QMap<QString, QWidget*> byName;
    QSet<QString> shared;
    for (QWidget* w : root.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->window() != root.window()) continue;
        const bool kept = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QSplitter*>(w) ||
                          (qobject_cast<QAbstractButton*>(w) && static_cast<QAbstractButton*>(w)->isCheckable());
        if (!kept) continue;
        if (byName.contains(w->objectName())) shared << w->objectName();
        byName[w->objectName()] = w;
    }
    for (const QString& name : shared) byName.remove(name);
    return byName;
}

QString StateOf(QWidget* w)
{
    if (auto* box = qobject_cast<QLineEdit*>(w)) return box->text();
    if (auto* list = qobject_cast<QComboBox*>(w))
        return QString("%1:%2").arg(list->currentIndex()).arg(list->currentText());
    if (auto* split = qobject_cast<QSplitter*>(w)) return QString::fromLatin1(split->saveState().toBase64());
    return static_cast<QAbstractButton*>(w)->isChecked() ? "1" : "0";
}

// Sets w to state quietly; false when the state does not fit it.
bool SetState(QWidget* w, const QString& state)
{
    if (state.size() > kLongestState) return false;
    const QSignalBlocker quiet(w);
    if (auto* box = qobject_cast<QLineEdit*>(w)) {
        box->setText(state);
        return true;
    }
    if (auto* list = qobject_cast<QComboBox*>(w)) {
        // The entry of the same text at the same place, else the first of that text.
        const qsizetype colon = state.indexOf(':');
        bool number = false;
        const int at = state.left(colon).toInt(&number);
        const QString text = state.mid(colon + 1);
        const int entry = colon > 0 && number && at >= 0 && at < list->count() && list->itemText(at) == text
                              ? at
                              : list->findText(text, Qt::MatchExactly);
        if (entry < 0) return false;
        list->setCurrentIndex(entry);
        return true;
    }
    if (auto* split = qobject_cast<QSplitter*>(w)) return split->restoreState(QByteArray::fromBase64(state.toLatin1()));
    if (state != "0" && state != "1") return false;
    static_cast<QAbstractButton*>(w)->setChecked(state == "1");
    return true;
}

}  // namespace

ControlStates CaptureControls(const QWidget& root, const QSet<QString>& skip)
{
    ControlStates states;
    const QMap<QString, QWidget*> controls = KeptControls(root);
    for (auto at = controls.begin(); at != controls.end(); ++at)
        if (!skip.contains(at.key())) states[at.key()] = StateOf(at.value());
    return states;
}

QStringList ApplyControls(QWidget& root, const ControlStates& states)
{
    QStringList unfit;
    const QMap<QString, QWidget*> controls = KeptControls(root);
    // Ticks last: a radio button of a group is set by ticking another, never by unticking it.
    for (const bool ticks : {false, true})
        for (auto at = states.begin(); at != states.end(); ++at) {
            QWidget* w = controls.value(at.key());
            if (!w || (at.value() == "1" && qobject_cast<QAbstractButton*>(w)) != ticks) continue;
            if (!SetState(w, at.value())) unfit << at.key();
        }
    return unfit;
}

}  // namespace vantor
