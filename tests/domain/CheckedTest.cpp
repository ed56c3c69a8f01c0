// 32-bit arithmetic that raises instead of wrapping.
#include "TestItems.h"
#include "data/Checked.h"
#include "data/CodeTables.h"
#include "data/Errors.h"
#include "equipment/Compare.h"
#include "equipment/Encumbrance.h"
#include "equipment/Paste.h"
#include "equipment/SetFile.h"
#include "equipment/SlotLists.h"
#include "equipment/Totals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <deque>
#include <map>
#include <random>
#include <set>
#include <tuple>

using namespace vantor;
using testitems::Armour;
using testitems::Texts;
using testitems::WithType;

TEST(CheckedArithmetic, RaisesAtTheEdgesOfTheRange)
{
    EXPECT_EQ(CheckedAdd(INT32_MAX - 1, 1), INT32_MAX);
    EXPECT_THROW(CheckedAdd(INT32_MAX, 1), EIntOverflow);
    EXPECT_THROW(CheckedAdd(INT32_MIN, -1), EIntOverflow);
    EXPECT_THROW(CheckedSub(INT32_MIN, 1), EIntOverflow);
    EXPECT_EQ(CheckedMul(46340, 46340), 2147395600);
    EXPECT_THROW(CheckedMul(46341, 46341), EIntOverflow);
    EXPECT_EQ(CheckedDiv(-7, 2), -3);  // truncates toward zero
    EXPECT_THROW(CheckedDiv(1, 0), EDivByZero);
    EXPECT_THROW(CheckedDiv(INT32_MIN, -1), EIntOverflow);
    try {
        CheckedDiv(0, 0);
    } catch (const EDivByZero& e) {
        EXPECT_STREQ(e.what(), "Division by zero");
    }
    try {
        CheckedAdd(INT32_MAX, INT32_MAX);
    } catch (const EIntOverflow& e) {
        EXPECT_STREQ(e.what(), "Integer overflow");
    }
}
