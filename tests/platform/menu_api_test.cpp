// The menu API: building menus, by-position and by-command addressing with
// Windows' recursive search, check and enable return values, ModifyMenuA,
// GetMenuState of popups, strings, destruction and invalid handles
// (LoadMenuA is tested on compiled resources in resource_module_test.cpp).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "internal/menu.h"

namespace {

constexpr UINT kFailed = static_cast<UINT>(-1);

UINT_PTR asId(HMENU menu) {
    return reinterpret_cast<UINT_PTR>(menu);
}

std::string itemText(HMENU menu, UINT item, UINT flags) {
    char text[64];
    GetMenuStringA(menu, item, text, sizeof text, flags);
    return text;
}

// A menu bar: "File" (Open 10, Save 11, separator, Recent > (First 20, Second 21)), "Help" 30.
class MenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        bar = CreateMenu();
        file = CreatePopupMenu();
        recent = CreatePopupMenu();
        AppendMenuA(recent, MF_STRING, 20, "First");
        AppendMenuA(recent, MF_STRING, 21, "Second");
        AppendMenuA(file, MF_STRING, 10, "&Open");
        AppendMenuA(file, MF_STRING | MF_GRAYED, 11, "&Save");
        AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(file, MF_POPUP, asId(recent), "Recent");
        AppendMenuA(bar, MF_POPUP, asId(file), "&File");
        AppendMenuA(bar, MF_STRING, 30, "&Help");
    }
    void TearDown() override { DestroyMenu(bar); }

    HMENU bar = nullptr, file = nullptr, recent = nullptr;
};

TEST_F(MenuTest, ItemsByPositionWithPopupsReportingMinusOne) {
    EXPECT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(GetMenuItemCount(file), 4);
    EXPECT_EQ(GetSubMenu(bar, 0), file);
    EXPECT_EQ(GetSubMenu(bar, 1), nullptr);
    EXPECT_EQ(GetMenuItemID(bar, 0), kFailed);
    EXPECT_EQ(GetMenuItemID(bar, 1), 30u);
    EXPECT_EQ(GetMenuItemID(file, 2), 0u);  // separator
    EXPECT_EQ(GetMenuItemID(file, 4), kFailed);
    EXPECT_EQ(GetMenuItemID(file, -1), kFailed);
}

TEST_F(MenuTest, InsertByPositionGoesBeforeAndPastTheEndAppends) {
    EXPECT_TRUE(InsertMenuA(file, 0, MF_BYPOSITION | MF_STRING, 9, "New"));
    EXPECT_TRUE(InsertMenuA(file, 99, MF_BYPOSITION | MF_STRING, 12, "Last"));
    EXPECT_TRUE(InsertMenuA(file, static_cast<UINT>(-1), MF_BYPOSITION | MF_STRING, 13, "Very last"));
    EXPECT_EQ(GetMenuItemID(file, 0), 9u);
    EXPECT_EQ(GetMenuItemID(file, 1), 10u);
    EXPECT_EQ(GetMenuItemID(file, 5), 12u);
    EXPECT_EQ(GetMenuItemID(file, 6), 13u);
}

TEST_F(MenuTest, InsertByCommandGoesIntoTheSubmenuHoldingTheCommand) {
    EXPECT_TRUE(InsertMenuA(bar, 21, MF_BYCOMMAND | MF_STRING, 19, "Between"));
    EXPECT_EQ(GetMenuItemCount(recent), 3);
    EXPECT_EQ(GetMenuItemID(recent, 1), 19u);
    // A command that is nowhere appends to the menu itself, as Windows does.
    EXPECT_TRUE(InsertMenuA(bar, 555, MF_BYCOMMAND | MF_STRING, 31, "Appended"));
    EXPECT_EQ(GetMenuItemID(bar, 2), 31u);
}

TEST_F(MenuTest, PopupItemsNeedARealMenu) {
    EXPECT_FALSE(AppendMenuA(bar, MF_POPUP, 0x1234, "Broken"));
    EXPECT_FALSE(AppendMenuA(bar, MF_POPUP, 0, "Null"));
    EXPECT_EQ(GetMenuItemCount(bar), 2);
}

TEST_F(MenuTest, CheckMenuItemReturnsThePreviousState) {
    EXPECT_EQ(CheckMenuItem(bar, 10, MF_BYCOMMAND | MF_CHECKED), static_cast<DWORD>(MF_UNCHECKED));
    EXPECT_EQ(CheckMenuItem(bar, 10, MF_BYCOMMAND | MF_CHECKED), static_cast<DWORD>(MF_CHECKED));
    EXPECT_EQ(CheckMenuItem(file, 0, MF_BYPOSITION | MF_UNCHECKED), static_cast<DWORD>(MF_CHECKED));
    EXPECT_EQ(GetMenuState(file, 10, MF_BYCOMMAND), static_cast<UINT>(MF_UNCHECKED));
    EXPECT_EQ(CheckMenuItem(bar, 999, MF_BYCOMMAND | MF_CHECKED), 0xFFFFFFFFu);
    EXPECT_EQ(CheckMenuItem(file, 4, MF_BYPOSITION | MF_CHECKED), 0xFFFFFFFFu);
}

TEST_F(MenuTest, EnableMenuItemReturnsThePreviousStateOrMinusOne) {
    EXPECT_EQ(EnableMenuItem(bar, 11, MF_BYCOMMAND | MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(EnableMenuItem(bar, 11, MF_BYCOMMAND | MF_DISABLED), MF_ENABLED);
    EXPECT_EQ(EnableMenuItem(bar, 11, MF_BYCOMMAND | MF_GRAYED), MF_DISABLED);
    EXPECT_EQ(GetMenuState(bar, 11, MF_BYCOMMAND), static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(EnableMenuItem(bar, 1, MF_BYPOSITION | MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(GetMenuState(bar, 30, MF_BYCOMMAND), static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(EnableMenuItem(bar, 999, MF_BYCOMMAND | MF_GRAYED), -1);
    EXPECT_EQ(EnableMenuItem(bar, 2, MF_BYPOSITION | MF_GRAYED), -1);
}

TEST_F(MenuTest, ByPositionAndByCommandAddressDifferentItems) {
    // Position 1 of the bar is Help; command 1 exists nowhere.
    EXPECT_EQ(CheckMenuItem(bar, 1, MF_BYPOSITION | MF_CHECKED), static_cast<DWORD>(MF_UNCHECKED));
    EXPECT_EQ(GetMenuState(bar, 30, MF_BYCOMMAND), static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(CheckMenuItem(bar, 1, MF_BYCOMMAND | MF_CHECKED), 0xFFFFFFFFu);
    // By position never descends into submenus.
    EXPECT_EQ(GetMenuState(bar, 3, MF_BYPOSITION), kFailed);
}

TEST_F(MenuTest, ByCommandSearchesSubmenusDepthFirst) {
    EXPECT_EQ(GetMenuState(bar, 21, MF_BYCOMMAND), 0u);
    EXPECT_EQ(CheckMenuItem(bar, 21, MF_BYCOMMAND | MF_CHECKED), static_cast<DWORD>(MF_UNCHECKED));
    EXPECT_EQ(GetMenuState(recent, 1, MF_BYPOSITION), static_cast<UINT>(MF_CHECKED));
    // The same id later in the bar loses against the one inside File.
    AppendMenuA(bar, MF_STRING, 21, "Duplicate");
    EXPECT_EQ(itemText(bar, 21, MF_BYCOMMAND), "Second");
}

TEST_F(MenuTest, APopupItemIsFoundByItsHandleWhenNothingBelowHasThatId) {
    EXPECT_EQ(CheckMenuItem(bar, static_cast<UINT>(asId(recent)), MF_BYCOMMAND | MF_CHECKED),
              static_cast<DWORD>(MF_UNCHECKED));
    EXPECT_EQ(GetMenuState(file, 3, MF_BYPOSITION) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
}

TEST_F(MenuTest, GetMenuStateOfAPopupHoldsItsItemCountInTheHighByte) {
    EXPECT_EQ(GetMenuState(bar, 0, MF_BYPOSITION), (4u << 8) | MF_POPUP);
    EXPECT_EQ(GetMenuState(file, 3, MF_BYPOSITION), (2u << 8) | MF_POPUP);
    EnableMenuItem(file, 3, MF_BYPOSITION | MF_GRAYED);
    EXPECT_EQ(GetMenuState(file, 3, MF_BYPOSITION), (2u << 8) | MF_POPUP | MF_GRAYED);
    EXPECT_EQ(GetMenuState(file, 2, MF_BYPOSITION), static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(GetMenuState(bar, 999, MF_BYCOMMAND), kFailed);
}

TEST_F(MenuTest, GetMenuStringTruncatesAndMeasures) {
    char text[4] = "xyz";
    EXPECT_EQ(GetMenuStringA(bar, 10, text, sizeof text, MF_BYCOMMAND), 3);
    EXPECT_STREQ(text, "&Op");
    EXPECT_EQ(GetMenuStringA(bar, 10, nullptr, 0, MF_BYCOMMAND), 5);
    EXPECT_EQ(GetMenuStringA(bar, 0, text, sizeof text, MF_BYPOSITION), 3);
    EXPECT_EQ(GetMenuStringA(file, 2, text, sizeof text, MF_BYPOSITION), 0);  // separator
    EXPECT_STREQ(text, "");
    EXPECT_EQ(GetMenuStringA(bar, 999, text, sizeof text, MF_BYCOMMAND), 0);
}

TEST_F(MenuTest, ModifyByCommandKeepsTheIdWhenGivenAgain) {
    CheckMenuItem(bar, 10, MF_BYCOMMAND | MF_CHECKED);
    EXPECT_TRUE(ModifyMenuA(bar, 10, MF_BYCOMMAND | MF_STRING, 10, "&Open image..."));
    EXPECT_EQ(itemText(bar, 10, MF_BYCOMMAND), "&Open image...");
    EXPECT_EQ(GetMenuItemID(file, 0), 10u);
    // The new flags replace the old state: the check mark is gone.
    EXPECT_EQ(GetMenuState(bar, 10, MF_BYCOMMAND), static_cast<UINT>(MF_UNCHECKED));
    EXPECT_EQ(GetMenuItemCount(file), 4);
}

TEST_F(MenuTest, ModifyByPositionReplacesIdAndState) {
    EXPECT_TRUE(ModifyMenuA(file, 1, MF_BYPOSITION | MF_STRING | MF_CHECKED, 15, "Save &as"));
    EXPECT_EQ(GetMenuItemID(file, 1), 15u);
    EXPECT_EQ(GetMenuState(file, 15, MF_BYCOMMAND), static_cast<UINT>(MF_CHECKED));  // no longer grey
    EXPECT_EQ(GetMenuState(file, 11, MF_BYCOMMAND), kFailed);
    EXPECT_FALSE(ModifyMenuA(file, 9, MF_BYPOSITION | MF_STRING, 1, "x"));
}

TEST_F(MenuTest, ModifyAwayFromAPopupDestroysTheOldSubmenu) {
    EXPECT_TRUE(ModifyMenuA(file, 3, MF_BYPOSITION | MF_STRING, 40, "No more recent"));
    EXPECT_FALSE(IsMenu(recent));
    EXPECT_EQ(GetMenuItemID(file, 3), 40u);
    HMENU fresh = CreatePopupMenu();
    EXPECT_TRUE(ModifyMenuA(bar, 30, MF_BYCOMMAND | MF_POPUP, asId(fresh), "&Help"));
    EXPECT_EQ(GetSubMenu(bar, 1), fresh);
    EXPECT_TRUE(ModifyMenuA(bar, 1, MF_BYPOSITION | MF_POPUP, asId(fresh), "Help again"));
    EXPECT_TRUE(IsMenu(fresh));  // replaced by itself: kept
}

TEST_F(MenuTest, DeleteDestroysTheSubmenuRemoveKeepsIt) {
    EXPECT_TRUE(RemoveMenu(file, 3, MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(recent));
    EXPECT_EQ(GetMenuItemCount(file), 3);
    AppendMenuA(file, MF_POPUP, asId(recent), "Recent");
    EXPECT_TRUE(DeleteMenu(bar, 20, MF_BYCOMMAND));  // by command, inside Recent
    EXPECT_EQ(GetMenuItemCount(recent), 1);
    EXPECT_TRUE(DeleteMenu(file, 3, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(recent));
    EXPECT_FALSE(DeleteMenu(file, 3, MF_BYPOSITION));
    EXPECT_FALSE(RemoveMenu(bar, 999, MF_BYCOMMAND));
}

TEST_F(MenuTest, DestroyMenuTakesTheWholeTree) {
    HMENU other = CreateMenu();
    EXPECT_TRUE(DestroyMenu(bar));
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_FALSE(IsMenu(file));
    EXPECT_FALSE(IsMenu(recent));
    EXPECT_TRUE(IsMenu(other));
    EXPECT_FALSE(DestroyMenu(bar));
    EXPECT_TRUE(DestroyMenu(other));
}

TEST(MenuHandles, InvalidHandlesFailWithoutCrashing) {
    for (HMENU bad : {static_cast<HMENU>(nullptr), reinterpret_cast<HMENU>(0x1234),
                      reinterpret_cast<HMENU>(static_cast<intptr_t>(-1))}) {
        char text[8] = "x";
        EXPECT_FALSE(IsMenu(bad));
        EXPECT_FALSE(DestroyMenu(bad));
        EXPECT_FALSE(AppendMenuA(bad, MF_STRING, 1, "a"));
        EXPECT_FALSE(InsertMenuA(bad, 0, MF_BYPOSITION, 1, "a"));
        EXPECT_FALSE(DeleteMenu(bad, 0, MF_BYPOSITION));
        EXPECT_FALSE(RemoveMenu(bad, 0, MF_BYPOSITION));
        EXPECT_FALSE(ModifyMenuA(bad, 0, MF_BYPOSITION, 1, "a"));
        EXPECT_EQ(GetSubMenu(bad, 0), nullptr);
        EXPECT_EQ(GetMenuItemCount(bad), -1);
        EXPECT_EQ(GetMenuItemID(bad, 0), kFailed);
        EXPECT_EQ(CheckMenuItem(bad, 1, MF_CHECKED), 0xFFFFFFFFu);
        EXPECT_EQ(EnableMenuItem(bad, 1, MF_GRAYED), -1);
        EXPECT_EQ(GetMenuState(bad, 1, 0), kFailed);
        EXPECT_EQ(GetMenuStringA(bad, 1, text, sizeof text, 0), 0);
        EXPECT_STREQ(text, "");
        EXPECT_EQ(plat::menuItems(bad), nullptr);
        plat::setMenuHighlight(bad, 0);
    }
}

TEST(MenuHandles, HandlesAreNeverReused) {
    HMENU first = CreateMenu();
    DestroyMenu(first);
    HMENU second = CreateMenu();
    EXPECT_NE(first, second);
    EXPECT_FALSE(IsMenu(first));
    DestroyMenu(second);
}

TEST_F(MenuTest, MenuItemsAndHighlightForTheMenuBar) {
    const std::vector<plat::MenuItem> *items = plat::menuItems(bar);
    ASSERT_NE(items, nullptr);
    ASSERT_EQ(items->size(), 2u);
    EXPECT_EQ((*items)[0].popup, file);
    EXPECT_EQ((*items)[0].id, asId(file));  // a popup's id is its handle, as Windows reports it
    EXPECT_EQ((*items)[1].text, "&Help");
    plat::setMenuHighlight(bar, 1);
    EXPECT_EQ(GetMenuState(bar, 30, MF_BYCOMMAND), static_cast<UINT>(MF_HILITE));
    plat::setMenuHighlight(bar, 0);
    EXPECT_EQ(GetMenuState(bar, 30, MF_BYCOMMAND), 0u);
    EXPECT_EQ(GetMenuState(bar, 0, MF_BYPOSITION) & MF_HILITE, static_cast<UINT>(MF_HILITE));
    plat::setMenuHighlight(bar, -1);
    EXPECT_EQ(GetMenuState(bar, 0, MF_BYPOSITION) & MF_HILITE, 0u);
}

}  // namespace
