#include "app/common/StatusLine.h"

#include "app/common/UserInterface.h"

#include <QMainWindow>
#include <QStatusBar>

namespace vantor {

void TellStatus(const QWidget& from, const QString& text, const QString& whole)
{
    // A dialog's window has the main window as its parent.
    const QWidget* w = from.window();
    while (w && !qobject_cast<const QMainWindow*>(w)) w = w->parentWidget() ? w->parentWidget()->window() : nullptr;
    if (!w) return;
    QStatusBar* bar = static_cast<const QMainWindow*>(w)->statusBar();
    bar->showMessage(text, kNoticeMs);
    bar->setToolTip(whole.isEmpty() ? text : whole);
}

void CopyAndTell(IUserInterface& ui, const QWidget& from, const QString& text, const QString& what)
{
    ui.SetClipboardText(text);
    TellStatus(from, "Copied " + what);
}

}  // namespace vantor
