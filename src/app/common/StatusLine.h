#pragma once
// The status line of the main window: what just happened, in a few words, for ten seconds or until
// the next notice.

#include <QString>

class QWidget;

namespace vantor {

// How long a notice stays, in milliseconds.
constexpr int kNoticeMs = 10'000;

// Shows text in the status bar of the main window that from (a page, a dialog over it) belongs
// to; whole, when given, is the notice in full, in the bar's tool tip. Nothing without one.
void TellStatus(const QWidget& from, const QString& text, const QString& whole = {});

class IUserInterface;
// Puts text on the clipboard and says in the status line what was copied: "Copied " + what.
void CopyAndTell(IUserInterface& ui, const QWidget& from, const QString& text, const QString& what);

}  // namespace vantor
