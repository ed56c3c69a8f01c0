#pragma once
// An undo history: the state after each step, and where undo and redo have moved along them.

#include <cstddef>
#include <vector>

namespace vantor {

template <class State>
class History {
public:
    explicit History(size_t limit = 200) : limit_(limit < 2 ? 2 : limit) {}

    // Starts again from this state alone.
    void Reset(State state)
    {
        states_.assign(1, std::move(state));
        at_ = 0;
    }
    void Clear()
    {
        states_.clear();
        at_ = 0;
    }
    bool Empty() const { return states_.empty(); }
    const State& Current() const { return states_[at_]; }

    // The state after a new step: the steps undone before it are dropped, and the oldest step once
    // there are more than the limit.
    void Push(State state)
    {
        if (states_.empty()) return Reset(std::move(state));
        states_.erase(states_.begin() + static_cast<std::ptrdiff_t>(at_) + 1, states_.end());
        states_.push_back(std::move(state));
        if (states_.size() > limit_) states_.erase(states_.begin());
        at_ = states_.size() - 1;
    }
    // The current step's state changed without a step of its own.
    void Replace(State state)
    {
        if (states_.empty()) return Reset(std::move(state));
        states_[at_] = std::move(state);
    }

    bool CanUndo() const { return at_ > 0; }
    bool CanRedo() const { return at_ + 1 < states_.size(); }
    // The state a step back (or forward); where there is none, the current one.
    const State& Undo()
    {
        if (CanUndo()) --at_;
        return states_[at_];
    }
    const State& Redo()
    {
        if (CanRedo()) ++at_;
        return states_[at_];
    }

private:
    size_t limit_;
    std::vector<State> states_;
    size_t at_ = 0;
};

}  // namespace vantor
