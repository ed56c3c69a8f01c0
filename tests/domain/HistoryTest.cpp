#include "equipment/History.h"

#include <gtest/gtest.h>

#include <string>

using namespace vantor;

TEST(History, UndoRedoNewStepsAndTheLimit)
{
    History<int> h(3);
    EXPECT_TRUE(h.Empty());
    h.Push(1);  // the first state starts the history
    EXPECT_FALSE(h.CanUndo());
    // Each row: what is done, then the current state and whether undo and redo are possible.
    const struct {
        std::string Do;
        int Arg, Current;
        bool Undo, Redo;
    } steps[] = {
        {"push", 2, 2, true, false},   {"push", 3, 3, true, false}, {"undo", 0, 2, true, true},
        {"undo", 0, 1, false, true},   {"undo", 0, 1, false, true}, {"redo", 0, 2, true, true},
        {"replace", 7, 7, true, true}, {"push", 4, 4, true, false}, {"redo", 0, 4, true, false},
        {"push", 5, 5, true, false},   {"undo", 0, 4, true, true},  {"undo", 0, 7, false, true},
        {"reset", 9, 9, false, false},
    };
    for (const auto& s : steps) {
        if (s.Do == "push") h.Push(s.Arg);
        if (s.Do == "undo") h.Undo();
        if (s.Do == "redo") h.Redo();
        if (s.Do == "replace") h.Replace(s.Arg);
        if (s.Do == "reset") h.Reset(s.Arg);
        EXPECT_EQ(h.Current(), s.Current) << s.Do << " " << s.Arg;
        EXPECT_EQ(h.CanUndo(), s.Undo) << s.Do << " " << s.Arg;
        EXPECT_EQ(h.CanRedo(), s.Redo) << s.Do << " " << s.Arg;
    }
    h.Clear();
    EXPECT_TRUE(h.Empty());
    EXPECT_FALSE(h.CanUndo() || h.CanRedo());
}
