#pragma once
// Runs event handlers the way the window's users expect errors to behave: an error ends the
// handler and is shown once, in the standard error box. When a handler runs nested inside another
// (because the outer one wrote into a control), an error in the inner one also ends the outer one:
// the inner run records it, the writer raises it again, and only the outermost run shows it.

#include <exception>
#include <functional>

namespace vantor {

class EventGuard {
public:
    using Shower = std::function<void(std::exception_ptr)>;
    explicit EventGuard(Shower show) : show_(std::move(show)) {}

    // Runs handler; no exception leaves this call.
    void Run(const std::function<void()>& handler);

    // Raises again an error that a nested handler recorded. Call after every write into a
    // control whose change handler may have run.
    void RaisePending();

    bool Running() const { return depth_ > 0; }

private:
    Shower show_;
    int depth_ = 0;
    std::exception_ptr pending_;
};

}  // namespace vantor
