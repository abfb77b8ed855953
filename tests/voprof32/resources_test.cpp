// The module's resource script: every string the module shows, the profile
// window and plot order dialogs as their layouts give them, the menu with its
// command ids, the icon and the end-point cursor.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include <windows.h>

#include "internal/cursor.h"
#include "internal/resources.h"

namespace {

HINSTANCE self() {
    return GetModuleHandleA(nullptr);
}

std::string text(UINT id) {
    char buffer[256];
    LoadStringA(self(), id, buffer, sizeof buffer);
    return buffer;
}

TEST(ModuleResources, StringTableHoldsTheQuotedTexts) {
    const std::map<UINT, std::string> expected = {
        {1, "Red Freeze"},
        {5, "Legend"},
        {7, "Position Profile"},
        {20, "Line Profile"},
        {22, "Count"},
        {43, "Y Max:"},
        {47, "Y2:"},
        {62, " Profile Data"},
        {67, "  Distance  (Pixels)"},
        {70, "# Channels: "},
        {80, " Freeze"},
        {90, "Q Freeze"},
        {103, "Y I Q"},
        {208, "Value"},
        {211, "Quadtrature"},
        {212, "Line &Profile"},
        {214, "Click and drag to draw lines, double-click to finish."},
    };
    for (const auto &[id, value] : expected) EXPECT_EQ(text(id), value) << id;
    // Every id of the documented ranges is present.
    for (UINT id : {1u, 20u, 40u, 50u, 60u, 80u, 100u, 200u})
        for (UINT end = id; end < id + 3; ++end) EXPECT_FALSE(text(end).empty()) << end;
    for (UINT id = 200; id <= 214; ++id) EXPECT_FALSE(text(id).empty()) << id;
}

TEST(ModuleResources, ProfileDialogLayout) {
    const plat::res::DialogTemplate *d = plat::res::findDialog(self(), MAKEINTRESOURCEA(100));
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->cx, 245);
    EXPECT_EQ(d->cy, 126);
    EXPECT_EQ(d->caption, "Line Profile");
    EXPECT_EQ(d->fontName, "MS Sans Serif");
    EXPECT_TRUE(d->style & WS_THICKFRAME);
    EXPECT_TRUE(d->style & WS_MAXIMIZEBOX);
    std::map<int, const plat::res::DialogControl *> byId;
    for (const auto &c : d->controls) byId[c.id] = &c;
    ASSERT_TRUE(byId.count(101));
    EXPECT_EQ(byId[101]->x, 75);
    EXPECT_EQ(byId[101]->cx, 169);
    EXPECT_EQ(byId[101]->style & SS_TYPEMASK, static_cast<DWORD>(SS_SIMPLE));
    EXPECT_EQ(byId[103]->style & SS_TYPEMASK, static_cast<DWORD>(SS_RIGHT));
    EXPECT_EQ(byId[104]->text, "0.0");
    EXPECT_EQ(byId[1018]->text, "FreeForm");
    EXPECT_EQ(byId[1018]->style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTORADIOBUTTON));
    EXPECT_EQ(byId[116]->style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTOCHECKBOX));
    EXPECT_EQ(byId[115]->text, "Red");
    EXPECT_EQ(d->controls.size(), 20u);

    const plat::res::DialogTemplate *order = plat::res::findDialog(self(), MAKEINTRESOURCEA(200));
    ASSERT_NE(order, nullptr);
    EXPECT_EQ(order->caption, "Line Profile Order");
    EXPECT_EQ(order->cx, 121);
    EXPECT_EQ(order->cy, 87);
}

TEST(ModuleResources, MenuCommandsAndPopups) {
    HMENU menu = LoadMenuA(self(), "PROFILEMENU");
    ASSERT_TRUE(menu);
    EXPECT_EQ(GetMenuItemCount(menu), 4);
    EXPECT_EQ(GetMenuItemID(menu, 3), 1300u) << "&Update on the bar itself";
    char buffer[64];
    GetMenuStringA(menu, 1, buffer, sizeof buffer, MF_BYPOSITION);
    EXPECT_STREQ(buffer, "&Color");
    for (UINT id : {1101u, 1104u, 1105u, 1106u, 1107u, 1314u, 1108u, 1109u, 1103u, 1200u, 1203u, 1204u, 1206u,
                    1207u, 1302u, 1303u, 1305u, 1306u, 1307u, 1308u, 1309u, 1311u, 1313u, 1312u, 1310u})
        EXPECT_NE(GetMenuState(menu, id, MF_BYCOMMAND), 0xFFFFFFFFu) << id;
    EXPECT_EQ(GetMenuState(menu, 1301, MF_BYCOMMAND), 0xFFFFFFFFu) << "automatic update has no item";
    GetMenuStringA(menu, 1306, buffer, sizeof buffer, MF_BYCOMMAND);
    EXPECT_STREQ(buffer, "&Average");
    DestroyMenu(menu);
}

TEST(ModuleResources, IconAndCursor) {
    HICON icon = LoadIconA(self(), "PROFICON");
    ASSERT_TRUE(icon);
    const plat::res::ImageData *image = plat::iconImage(icon);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width, 32);
    HCURSOR cursor = LoadCursorA(self(), "EPMOVECUR");
    ASSERT_TRUE(cursor);
    const plat::res::ImageData *pointer = plat::iconImage(cursor);
    ASSERT_NE(pointer, nullptr);
    EXPECT_EQ(pointer->hotX, 15);
    EXPECT_EQ(pointer->hotY, 15);
}

}  // namespace
