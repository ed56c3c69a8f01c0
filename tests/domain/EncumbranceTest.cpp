// What a strength carries and the categories of a load.
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

TEST(Encumbrance, MaximumLimitsAndCategories)
{
    EXPECT_EQ(MaxEncumbrance(100, 0), 4800);
    EXPECT_EQ(MaxEncumbrance(150, 5), 9450);
    EXPECT_EQ(MaxEncumbrance(101, 0), 84 * 101 - 3600);
    EXPECT_EQ(MaxEncumbrance(0, 0), 0);
    EXPECT_EQ(MaxEncumbrance(100, 20), 5760);
    EXPECT_THROW(MaxEncumbrance(30000000, 0), EIntOverflow);
    EXPECT_THROW(MaxEncumbrance(100, INT32_MAX), EIntOverflow);
    EXPECT_THROW(MaxEncumbrance(1000000, 0), EIntOverflow);  // the product before the division

    const EncumbranceLimits l = LimitsOf(4800);
    EXPECT_EQ(l.None, 816);
    EXPECT_EQ(l.Light, 1632);
    EXPECT_EQ(l.Medium, 3216);
    const EncumbranceLimits top = LimitsOf(INT32_MAX);
    EXPECT_EQ(top.Medium, static_cast<int32_t>(int64_t{INT32_MAX} * 67 / 100));
    const struct {
        int32_t Load;
        const char* Category;
    } loads[] = {{0, "None"},      {816, "None"},    {817, "Light"},  {1632, "Light"},
                 {1633, "Medium"}, {3216, "Medium"}, {3217, "Heavy"}, {INT32_MAX, "Heavy"}};
    for (const auto& c : loads) EXPECT_STREQ(CategoryName(CategoryOf(c.Load, l)), c.Category) << c.Load;
    EXPECT_STREQ(CategoryName(CategoryOf(0, LimitsOf(0))), "None");
}
