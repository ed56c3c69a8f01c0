#include "app/EventGuard.h"

namespace vantor {

void EventGuard::Run(const std::function<void()>& handler)
{
    ++depth_;
    std::exception_ptr error;
    try {
        handler();
        if (depth_ == 1 && pending_) std::rethrow_exception(pending_);
    } catch (...) {
        error = std::current_exception();
    }
    --depth_;
    if (!error) return;
    if (depth_ > 0) {
        pending_ = error;  // the outer handler's writer raises it again
        return;
    }
    pending_ = nullptr;
    if (show_) show_(error);
}

void EventGuard::RaisePending()
{
    if (!pending_) return;
    std::exception_ptr p = pending_;
    pending_ = nullptr;
    std::rethrow_exception(p);
}

}  // namespace vantor
