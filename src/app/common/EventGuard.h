#pragma once
// Runs event handlers the way the window's users expect errors to behave: an error ends the
// handler and is shown once, in the standard error box. When a handler runs nested inside another
// (because the outer one wrote into a control), an error in the inner one also ends the outer one:
// the inner run records it, the writer raises it again, and only the outermost run shows it.
//
// Handlers are connected to their controls here, and code writes into a control that has a
// handler only through the writers here, so that no write can forget to raise a nested error.

#include <QObject>

#include <exception>
#include <functional>
#include <initializer_list>
#include <type_traits>
#include <vector>

class QAbstractButton;
class QComboBox;
class QHeaderView;
class QItemSelectionModel;
class QLineEdit;
class QString;

namespace vantor {

class EventGuard {
public:
    using Shower = std::function<void(std::exception_ptr)>;
    explicit EventGuard(Shower show) : show_(std::move(show)) {}

    // Runs handler; no exception leaves this call. A player's action ends with the outermost run.
    void Run(const std::function<void()>& handler) { Run(handler, true); }
    // The same for a notice that something changed: when outermost, it is no player's action.
    void RunNotice(const std::function<void()>& handler) { Run(handler, false); }

    // Raises again an error that a nested handler recorded. The writers below call it after
    // every write.
    void RaisePending();

    bool Running() const { return depth_ > 0; }
    // Called each time an outermost run ends, however it ended: one player action is over.
    void OnSettled(std::function<void()> settled) { settled_.push_back(std::move(settled)); }

    // Writers: set a box's text (its change handler runs when the text changes) or a check box's
    // state (its handler runs when the state changes); an error of that handler ends the caller.
    void SetText(QLineEdit& box, const QString& text);
    void SetChecked(QAbstractButton& box, bool checked);
    // At most one of a group ticked: when clicked is now ticked, the others are unticked.
    void KeepOneTicked(QAbstractButton& clicked, std::initializer_list<QAbstractButton*> group);

    // Connections, each running its handler through Run.
    void OnClick(QAbstractButton* button, std::function<void()> handler);  // a button pressed
    void OnToggle(QAbstractButton* box, std::function<void()> handler);    // state changed, by anyone
    void OnTextChange(QLineEdit* box, std::function<void()> handler);      // text changed, by anyone
    void OnPick(QComboBox* box, std::function<void()> handler);            // picked by the user only
    void OnColumnClick(QHeaderView* header, std::function<void(int)> handler);
    // The row that gained the selection, or else the one that lost it.
    void OnSelectRow(QItemSelectionModel* selection, std::function<void(int)> handler);
    // Any signal: handler runs through Run, with the signal's arguments when it takes them; the
    // connection ends when context goes.
    template <class Sender, class Signal, class Handler>
    QMetaObject::Connection Connect(Sender* sender, Signal signal, const QObject* context, Handler handler)
    {
        return Connect(sender, signal, context, std::move(handler), true);
    }
    // The same for a signal that notices a change (through RunNotice).
    template <class Sender, class Signal, class Handler>
    QMetaObject::Connection ConnectNotice(Sender* sender, Signal signal, const QObject* context, Handler handler)
    {
        return Connect(sender, signal, context, std::move(handler), false);
    }

private:
    void Run(const std::function<void()>& handler, bool settles);
    template <class Sender, class Signal, class Handler>
    QMetaObject::Connection Connect(Sender* sender, Signal signal, const QObject* context, Handler handler,
                                    bool settles)
    {
        // A handler without arguments takes none: some signals pass a private tag that is no value.
        if constexpr (std::is_invocable_v<const Handler&>)
            return QObject::connect(sender, signal, context,
                                    [this, settles, handler = std::move(handler)] { Run(handler, settles); });
        else
            return QObject::connect(sender, signal, context,
                                    [guard = this, settles, handler = std::move(handler)](const auto&... args) {
                                        guard->Run([&] { handler(args...); }, settles);
                                    });
    }

public:
private:
    Shower show_;
    int depth_ = 0;
    std::exception_ptr pending_;
    std::vector<std::function<void()>> settled_;
};

}  // namespace vantor
