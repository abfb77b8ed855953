// A module's compiled resources end to end: tests/data/rc/module.rc is
// compiled by vorc during the build and linked into this test, which then
// looks everything up through the Win32 entry points and the registry.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "data/rc/module_ids.h"
#include "internal/cursor.h"
#include "internal/menu.h"
#include "internal/resources.h"

namespace {

using plat::res::ImageData;

const int kAnchorInThisExecutable = 0;

HINSTANCE self() {
    return GetModuleHandleA(nullptr);
}

uint32_t pixel(const ImageData &image, int x, int y) {
    return image.argb.at(static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x));
}

// The main instance is the executable holding the tables; modules are found
// by file name as Windows names them, the platform library having no script.
TEST(ResourceInstances, InstancesAndModulesAreFoundAsWindowsNamesThem) {
    EXPECT_NE(self(), nullptr);
    EXPECT_EQ(self(), plat::res::mainInstance());
    EXPECT_EQ(self(), plat::res::instanceOf(&kAnchorInThisExecutable));
    EXPECT_EQ(plat::res::findModule(nullptr), plat::res::findModule(self()));
    EXPECT_NE(plat::res::findModule(self()), nullptr);
    const HINSTANCE platform = plat::res::instanceOf(reinterpret_cast<const void *>(&LoadStringA));
    ASSERT_NE(platform, nullptr);
    EXPECT_NE(platform, self());
    EXPECT_EQ(GetModuleHandleA("libvoplatform.so"), platform);
    EXPECT_EQ(GetModuleHandleA("VOPLATFORM.DLL"), platform);
    EXPECT_EQ(GetModuleHandleA("resource_test"), self());
    EXPECT_EQ(GetModuleHandleA("no_such_module"), nullptr);
    EXPECT_EQ(plat::res::findModule(platform), nullptr);
}

TEST(ResourceInstances, ResNameFromArgumentsAsLoadFunctionsReceiveThem) {
    const plat::res::ResName id = plat::res::ResName::fromArg(MAKEINTRESOURCEA(IDI_APP));
    EXPECT_TRUE(id.isId);
    EXPECT_EQ(id.id, IDI_APP);
    EXPECT_TRUE(plat::res::ResName::fromArg("#400").matches(id));
    const plat::res::ResName text = plat::res::ResName::fromArg("PngIcon");
    EXPECT_FALSE(text.isId);
    EXPECT_TRUE(text.matches(plat::res::ResName::fromArg("PNGICON")));
    EXPECT_FALSE(text.matches(id));
    EXPECT_FALSE(plat::res::ResName::fromArg("#40x").isId);
}

// LoadStringA copies the whole string, or as much as the buffer holds less
// one, never writing past the buffer; a missing string (or one of another
// module) gives 0 and an empty buffer.
TEST(ResourceStrings, LoadStringCopiesTruncatesOrEmptiesTheBuffer) {
    struct Case {
        HINSTANCE instance;
        UINT id;
        int size;
        const char *text;
    };
    const Case cases[] = {
        {self(), IDS_TITLE, 64, "Line profile"},
        {nullptr, IDS_ESCAPES, 64, "tab\there\nline \"quoted\" back\\slash \"q\""},
        {nullptr, IDS_UTF8, 64, "5 \xC2\xB5m"},
        {nullptr, IDS_LONG, 5, "0123"},
        {nullptr, IDS_LONG, 1, ""},
        {nullptr, 999, 8, ""},
        {GetModuleHandleA("libvoplatform.so"), IDS_TITLE, 8, ""},
        {nullptr, 0x10000 + IDS_TITLE, 8, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.id << " into " << c.size);
        char buffer[72];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(LoadStringA(c.instance, c.id, buffer, c.size), static_cast<int>(std::strlen(c.text)));
        EXPECT_STREQ(buffer, c.text);
        EXPECT_EQ(buffer[c.size], 'x');
    }
    char buffer[8];
    EXPECT_EQ(LoadStringA(nullptr, IDS_LAST, buffer, sizeof buffer), 4);
    EXPECT_EQ(LoadStringA(nullptr, IDS_TITLE, nullptr, 10), 0);
    // A zero-length buffer receives a read-only pointer to the string instead.
    const char *text = nullptr;
    EXPECT_EQ(LoadStringA(nullptr, IDS_LONG, reinterpret_cast<LPSTR>(&text), 0), 20);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::string(text, 20), "0123456789abcdefghij");
}

TEST(ResourceDialogs, EveryControlKindArrivesWithItsStyle) {
    const plat::res::DialogTemplate *d = plat::res::findDialog(nullptr, MAKEINTRESOURCEA(IDD_ALL_CONTROLS));
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->style, static_cast<DWORD>(DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT));
    EXPECT_EQ(d->caption, "All controls");
    EXPECT_EQ(d->x, 10);
    EXPECT_EQ(d->cy, 150);
    ASSERT_EQ(d->controls.size(), 15u);
    const DWORD base = WS_CHILD | WS_VISIBLE;
    EXPECT_EQ(d->controls[0].id, IDC_LABEL_LEFT);
    EXPECT_EQ(d->controls[4].id, IDOK);
    EXPECT_EQ(d->controls[4].style, base | BS_DEFPUSHBUTTON | WS_TABSTOP);
    EXPECT_EQ(d->controls[6].style, base | BS_AUTOCHECKBOX);  // NOT WS_TABSTOP
    EXPECT_EQ(d->controls[8].style, base | BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP);
    EXPECT_EQ(d->controls[10].style, base | LBS_NOTIFY | WS_BORDER | LBS_SORT | WS_VSCROLL);
    EXPECT_EQ(d->controls[11].className, "edit");
    EXPECT_EQ(d->controls[12].text, "#400");  // ICON IDI_APP
    EXPECT_EQ(d->controls[13].className, "button");
    const plat::res::DialogControl &custom = d->controls[14];
    EXPECT_EQ(custom.className, "ProfileChart");
    EXPECT_EQ(custom.style, static_cast<DWORD>(WS_CHILD | WS_BORDER));
    EXPECT_EQ(custom.cx, 30);
    EXPECT_EQ(custom.cy, 10);
}

TEST(ResourceDialogs, ExtendedDialogAndNamedDialog) {
    const plat::res::DialogTemplate *ex = plat::res::findDialog(self(), "#200");
    ASSERT_NE(ex, nullptr);
    EXPECT_EQ(ex->exStyle, static_cast<DWORD>(WS_EX_TOOLWINDOW));
    EXPECT_TRUE(ex->hasMenu);
    EXPECT_TRUE(ex->menu.matches(plat::res::ResName::fromArg(MAKEINTRESOURCEA(IDM_MAIN))));
    EXPECT_EQ(ex->className, "ProfileDialog");
    EXPECT_EQ(ex->fontName, "Tahoma");
    EXPECT_EQ(ex->pointSize, 9);
    EXPECT_EQ(ex->controls.at(0).exStyle, static_cast<DWORD>(WS_EX_CLIENTEDGE));
    EXPECT_NE(plat::res::findDialog(nullptr, "options"), nullptr);
    EXPECT_EQ(plat::res::findDialog(nullptr, "optionz"), nullptr);
    EXPECT_EQ(plat::res::findDialog(nullptr, MAKEINTRESOURCEA(IDM_MAIN)), nullptr);  // a menu, not a dialog
}

TEST(ResourceMenus, LoadMenuBuildsNestedPopupsFromTheTemplate) {
    HMENU menu = LoadMenuA(self(), MAKEINTRESOURCEA(IDM_MAIN));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    HMENU file = GetSubMenu(menu, 0);
    ASSERT_EQ(GetMenuItemCount(file), 4);
    EXPECT_EQ(GetMenuItemID(file, 0), static_cast<UINT>(IDM_OPEN));
    EXPECT_EQ(GetMenuState(file, 2, MF_BYPOSITION), static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(GetMenuState(menu, IDM_SAVE, MF_BYCOMMAND), static_cast<UINT>(MF_GRAYED));
    HMENU zoom = GetSubMenu(GetSubMenu(menu, 1), 0);
    ASSERT_NE(zoom, nullptr);
    EXPECT_EQ(GetMenuState(menu, IDM_ZOOM_IN, MF_BYCOMMAND), static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(GetMenuState(zoom, 1, MF_BYPOSITION), static_cast<UINT>(MF_DISABLED));
    EXPECT_EQ(GetMenuState(zoom, 2, MF_BYPOSITION), static_cast<UINT>(MF_MENUBREAK));
    EXPECT_EQ(GetMenuState(menu, 1, MF_BYPOSITION), (1u << 8) | MF_POPUP);
    char text[32];
    EXPECT_EQ(GetMenuStringA(menu, IDM_OPEN, text, sizeof text, MF_BYCOMMAND), 15);
    EXPECT_STREQ(text, "&Open...\tCtrl+O");
    // Each load is an independent copy of the template; "#id" names the same one.
    HMENU copy = LoadMenuA(nullptr, ("#" + std::to_string(IDM_MAIN)).c_str());
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, menu);
    CheckMenuItem(menu, IDM_ZOOM_IN, MF_BYCOMMAND | MF_UNCHECKED);
    EXPECT_EQ(GetMenuState(copy, IDM_ZOOM_IN, MF_BYCOMMAND), static_cast<UINT>(MF_CHECKED));
    EXPECT_TRUE(DestroyMenu(menu) && DestroyMenu(copy));
    EXPECT_FALSE(IsMenu(zoom));
    EXPECT_EQ(LoadMenuA(self(), "NOMENU"), nullptr);
    EXPECT_EQ(LoadMenuA(reinterpret_cast<HINSTANCE>(0x1000), MAKEINTRESOURCEA(IDM_MAIN)), nullptr);
}

// The icons as make_images.py drew them: the 4-bit one's 32-pixel entry,
// index (x / 4 + y / 4) % 16 of colour (i * 16, 255 - i * 16, i * 8), masked
// where x + y < 4; the PNG one (x * 8, y * 8, 100) with straight alpha x * 8.
TEST(ResourceImages, IconsKeepTheirPixelsMaskAndAlpha) {
    HICON icon = LoadIconA(self(), MAKEINTRESOURCEA(IDI_APP));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIconA(self(), MAKEINTRESOURCEA(IDI_APP)), icon);  // shared
    const ImageData *image = plat::iconImage(icon), *png = plat::iconImage(LoadIconA(self(), "pngicon"));
    ASSERT_TRUE(image && png);
    ASSERT_TRUE(image->width == 32 && image->height == 32 && png->width == 32 && png->height == 32);
    EXPECT_EQ(image->hotX, 16);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const uint32_t i = static_cast<uint32_t>((x / 4 + y / 4) % 16), a = static_cast<uint32_t>(x * 8);
            const uint32_t indexed =
                x + y < 4 ? 0 : 0xFF000000u | (i * 16) << 16 | (255 - i * 16) << 8 | i * 8;
            const uint32_t straight =
                a == 0 ? 0 : a << 24 | a << 16 | static_cast<uint32_t>(y * 8) << 8 | 100;
            ASSERT_EQ(pixel(*image, x, y), indexed) << x << "," << y;
            ASSERT_EQ(pixel(*png, x, y), straight) << x << "," << y;
        }
    }
}

TEST(ResourceImages, CursorKeepsItsHotspotAndMask) {
    HCURSOR cursor = LoadCursorA(self(), "IDC_POINTER");
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(LoadCursorA(self(), "idc_pointer"), cursor);
    EXPECT_EQ(plat::systemCursorId(cursor), 0);
    const ImageData *image = plat::iconImage(cursor);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->hotX, 5);
    EXPECT_EQ(image->hotY, 9);
    EXPECT_EQ(pixel(*image, 4, 4), 0xFF000000u);    // frame
    EXPECT_EQ(pixel(*image, 20, 12), 0xFF000000u);  // frame
    EXPECT_EQ(pixel(*image, 10, 10), 0xFFFFFFFFu);  // inside
    EXPECT_EQ(pixel(*image, 3, 10), 0u);            // outside
    EXPECT_EQ(pixel(*image, 21, 21), 0u);
}

TEST(ResourceImages, ModuleLookupsDoNotMixKindsOrModules) {
    EXPECT_EQ(LoadCursorA(self(), MAKEINTRESOURCEA(IDI_APP)), nullptr);  // an icon, not a cursor
    EXPECT_EQ(LoadIconA(self(), "IDC_POINTER"), nullptr);
    EXPECT_EQ(LoadIconA(self(), IDI_APPLICATION), nullptr);   // system icons need a null instance
    EXPECT_EQ(LoadCursorA(nullptr, "IDC_POINTER"), nullptr);  // and have no names
    EXPECT_EQ(LoadIconA(GetModuleHandleA("libvoplatform.so"), MAKEINTRESOURCEA(IDI_APP)), nullptr);
    HICON icon = LoadIconA(self(), MAKEINTRESOURCEA(IDI_APP));
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_NE(plat::iconImage(icon), nullptr);  // shared icons stay valid
}

TEST(ResourceRegistry, SeveralTablesOfOneModuleAreAllSearched) {
    static plat::res::ModuleResources extra;
    extra.strings.push_back({777, "from a second table"});
    EXPECT_TRUE(plat::res::registerModule(self(), &extra));
    EXPECT_TRUE(plat::res::registerModule(self(), &extra));  // again: not listed twice
    char buffer[32];
    EXPECT_EQ(LoadStringA(nullptr, 777, buffer, sizeof buffer), 19);
    EXPECT_EQ(LoadStringA(nullptr, IDS_TITLE, buffer, sizeof buffer), 12);
    EXPECT_NE(plat::res::findString(nullptr, 777), nullptr);
    // A table registered under an instance that is not its module is taken
    // for the leftover of an unloaded module and ignored.
    static plat::res::ModuleResources stray;
    stray.strings.push_back({778, "stray"});
    plat::res::registerModule(GetModuleHandleA("libvoplatform.so"), &stray);
    EXPECT_EQ(plat::res::findString(GetModuleHandleA("libvoplatform.so"), 778), nullptr);
}

}  // namespace
