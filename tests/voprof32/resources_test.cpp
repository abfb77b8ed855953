// The module's resource script: the quoted texts of the string table, the ids
// named in resource.h against the dialogs and the menu, the icon and the
// end-point cursor.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include <windows.h>

#include "internal/cursor.h"
#include "internal/resources.h"
#include "resources/resource.h"

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

// The names the module's code uses stand for what the resource script has: every control of the
// two dialogs, every menu command and every popup position.
TEST(ModuleResources, NamedIdsAreTheScriptsIds) {
    const plat::res::DialogTemplate *profile = plat::res::findDialog(self(), MAKEINTRESOURCEA(IDD_PROFILE));
    const plat::res::DialogTemplate *order = plat::res::findDialog(self(), MAKEINTRESOURCEA(IDD_ORDER));
    ASSERT_NE(profile, nullptr);
    ASSERT_NE(order, nullptr);
    auto has = [](const plat::res::DialogTemplate *d, int id) {
        return std::any_of(d->controls.begin(), d->controls.end(),
                           [id](const auto &c) { return c.id == id; });
    };
    for (int id : {IDC_CHART, IDC_LABEL1, IDC_VALUE1, IDC_LABEL5, IDC_VALUE5, IDC_LABEL6, IDC_VALUE6,
                   IDC_CHANNEL, IDC_REFERENCE, IDC_LINE, IDC_CIRCLE, IDC_FREEFORM, IDC_DELETE_FREEFORM})
        EXPECT_TRUE(has(profile, id)) << id;
    for (int id : {IDC_ORDER_LIST, IDC_ORDER_UP, IDC_ORDER_DOWN}) EXPECT_TRUE(has(order, id)) << id;
    // The statistics rows are the label and value pairs in order, as the layout walks them.
    for (int id = IDC_LABEL1; id <= IDC_VALUE6; ++id) EXPECT_TRUE(has(profile, id)) << id;

    HMENU menu = LoadMenuA(self(), "PROFILEMENU");
    ASSERT_TRUE(menu);
    char popup[64];
    GetMenuStringA(menu, MENUPOS_COLOR, popup, sizeof popup, MF_BYPOSITION);
    EXPECT_STREQ(popup, "&Color");
    GetMenuStringA(menu, MENUPOS_FILE, popup, sizeof popup, MF_BYPOSITION);
    EXPECT_STREQ(popup, "&File");
    for (UINT id : {IDM_DATA_TO_FILE, IDM_APPEND_DATA,   IDM_STATS_TO_FILE,
                    IDM_APPEND_STATS, IDM_CLIPBOARD,     IDM_GRAPH_TO_CLIPBOARD,
                    IDM_DDE,          IDM_DDE_OPTIONS,   IDM_CLOSE,
                    IDM_RGB,          IDM_HSI,           IDM_HSV,
                    IDM_YIQ,          IDM_CHANNEL0,      IDM_CHANNEL1,
                    IDM_CHANNEL2,     IDM_ORDER,         IDM_UPDATE,
                    IDM_FREEZE,       IDM_NORMAL,        IDM_THICK_HORZ,
                    IDM_THICK_VERT,   IDM_AVERAGE,       IDM_STD_DEV,
                    IDM_SPATIAL_CAL,  IDM_INTENSITY_CAL, IDM_FULL_SCALE,
                    IDM_STATISTICS,   IDM_TABLE,         IDM_RANGE_AREA})
        EXPECT_NE(GetMenuState(menu, id, MF_BYCOMMAND), 0xFFFFFFFFu) << id;
    EXPECT_EQ(GetMenuState(menu, IDM_AUTO_UPDATE, MF_BYCOMMAND), 0xFFFFFFFFu)
        << "automatic update has no item";
    DestroyMenu(menu);
    // Every named string loads, and the named ranges the code indexes are whole.
    for (UINT id = IDS_CHANNEL_NAMES; id <= IDS_QUADRATURE; ++id) EXPECT_FALSE(text(id).empty()) << id;
    for (UINT id = IDS_MODEL_RGB; id <= IDS_MODEL_YIQ; ++id) EXPECT_FALSE(text(id).empty()) << id;
    for (UINT id : {IDS_MEAN, IDS_STDDEV, IDS_Y_MIN, IDS_Y_MAX, IDS_SUM, IDS_X1, IDS_Y1, IDS_X2, IDS_Y2,
                    IDS_AREA_LABEL, IDS_FREEFORM_PROMPT, IDS_REPORT_MENU, IDS_REPORT_DESCRIPTION})
        EXPECT_FALSE(text(id).empty()) << id;
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
