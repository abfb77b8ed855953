// The resource compiler's front end on scripts held in memory: what each
// statement produces, and the first error of broken scripts with its
// file:line.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "compiler.h"
#include "constants.h"

namespace {

using plat::res::ModuleResources;

// Compiles "main.rc" with the other files given, all from memory.
rc::CompileResult compile(const std::string &script, std::map<std::string, std::string> files = {}) {
    files["main.rc"] = script;
    rc::CompileOptions options;
    options.reader = [files](const std::string &path) -> std::optional<std::string> {
        auto found = files.find(path);
        if (found == files.end()) return std::nullopt;
        return found->second;
    };
    return rc::compileScript("main.rc", options);
}

ModuleResources compileOk(const std::string &script, std::map<std::string, std::string> files = {}) {
    rc::CompileResult result = compile(script, std::move(files));
    EXPECT_FALSE(result.error.has_value()) << result.error->format();
    return result.resources;
}

std::string firstError(const std::string &script, std::map<std::string, std::string> files = {}) {
    rc::CompileResult result = compile(script, std::move(files));
    return result.error ? result.error->format() : "no error";
}

// The one dialog of a script, and the one control of a dialog.
plat::res::DialogTemplate onlyDialog(const std::string &script) {
    ModuleResources r = compileOk(script);
    if (r.dialogs.size() == 1) return r.dialogs[0].dialog;
    ADD_FAILURE() << "not one dialog from: " << script;
    return {};
}
plat::res::DialogControl onlyControl(const std::string &statement) {
    plat::res::DialogTemplate d = onlyDialog("1 DIALOG 0, 0, 10, 10\nBEGIN\n" + statement + "\nEND\n");
    if (d.controls.size() == 1) return d.controls[0];
    ADD_FAILURE() << "no control from: " << statement;
    return {};
}

TEST(RcControls, EachStatementGetsItsClassAndStyle) {
    struct Case {
        const char *statement;
        const char *className;
        DWORD style;
    };
    const DWORD base = WS_CHILD | WS_VISIBLE;
    const Case cases[] = {
        {"LTEXT \"t\", 5, 1, 2, 3, 4", "static", base | SS_LEFT | WS_GROUP},
        {"RTEXT \"t\", 5, 1, 2, 3, 4", "static", base | SS_RIGHT | WS_GROUP},
        {"CTEXT \"t\", 5, 1, 2, 3, 4", "static", base | SS_CENTER | WS_GROUP},
        {"PUSHBUTTON \"t\", 5, 1, 2, 3, 4", "button", base | BS_PUSHBUTTON | WS_TABSTOP},
        {"DEFPUSHBUTTON \"t\", 5, 1, 2, 3, 4", "button", base | BS_DEFPUSHBUTTON | WS_TABSTOP},
        {"CHECKBOX \"t\", 5, 1, 2, 3, 4", "button", base | BS_CHECKBOX | WS_TABSTOP},
        {"AUTOCHECKBOX \"t\", 5, 1, 2, 3, 4", "button", base | BS_AUTOCHECKBOX | WS_TABSTOP},
        {"RADIOBUTTON \"t\", 5, 1, 2, 3, 4", "button", base | BS_RADIOBUTTON | WS_TABSTOP},
        {"AUTORADIOBUTTON \"t\", 5, 1, 2, 3, 4", "button", base | BS_AUTORADIOBUTTON | WS_TABSTOP},
        {"GROUPBOX \"t\", 5, 1, 2, 3, 4", "button", base | BS_GROUPBOX},
        {"LISTBOX 5, 1, 2, 3, 4", "listbox", base | LBS_NOTIFY | WS_BORDER},
        {"EDITTEXT 5, 1, 2, 3, 4", "edit", base | ES_LEFT | WS_BORDER | WS_TABSTOP},
        {"ICON \"APP\", 5, 1, 2, 3, 4", "static", base | SS_ICON},
        {"CONTROL \"t\", 5, \"BUTTON\", BS_CHECKBOX, 1, 2, 3, 4", "button", base | BS_CHECKBOX},
        // A trailing style adds to the default; NOT removes from it.
        {"PUSHBUTTON \"t\", 5, 1, 2, 3, 4, WS_DISABLED", "button", base | WS_TABSTOP | WS_DISABLED},
        {"PUSHBUTTON \"t\", 5, 1, 2, 3, 4, NOT WS_TABSTOP", "button", base},
        {"CONTROL \"\", 5, \"x\", NOT WS_VISIBLE | WS_BORDER, 1, 2, 3, 4", "x", WS_CHILD | WS_BORDER},
        // System class names are lower-cased, others kept.
        {"CONTROL \"\", 5, \"Static\", 0, 1, 2, 3, 4", "static", base},
        {"CONTROL \"\", 5, EDIT, 0, 1, 2, 3, 4", "edit", base},
        {"CONTROL \"\", 5, \"ProfileChart\", 0, 1, 2, 3, 4", "ProfileChart", base},
    };
    for (const Case &c : cases) {
        const plat::res::DialogControl control = onlyControl(c.statement);
        EXPECT_EQ(control.className, c.className) << c.statement;
        EXPECT_EQ(control.style, c.style) << c.statement;
        EXPECT_EQ(control.id, 5) << c.statement;
        EXPECT_EQ(control.x, 1) << c.statement;
        EXPECT_EQ(control.cy, 4) << c.statement;
    }
}

// A trailing extended style follows the style; an ICON control names its icon
// by id or upper-cased name and may leave the size out.
TEST(RcControls, ExtendedStyleAndIconNames) {
    const plat::res::DialogControl edit =
        onlyControl("EDITTEXT 5, 1, 2, 3, 4, ES_READONLY, WS_EX_CLIENTEDGE | WS_EX_STATICEDGE");
    EXPECT_EQ(edit.style & ES_READONLY, static_cast<DWORD>(ES_READONLY));
    EXPECT_EQ(edit.exStyle, static_cast<DWORD>(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
    const plat::res::DialogControl byId = onlyControl("ICON 7, 5, 1, 2");
    EXPECT_EQ(byId.text, "#7");
    EXPECT_EQ(byId.cx, 0);
    EXPECT_EQ(onlyControl("ICON appIcon, 5, 1, 2").text, "APPICON");
}

// Without STYLE a dialog is a bordered popup with a system menu; CAPTION adds
// WS_CAPTION and FONT adds DS_SETFONT; EXSTYLE, MENU and CLASS fill their
// fields; braces work as BEGIN and END.
TEST(RcDialogs, OptionalStatementsFillTheTemplate) {
    const plat::res::DialogTemplate plain = onlyDialog("1 DIALOG 1, 2, 3, 4\nBEGIN\nEND\n");
    EXPECT_EQ(plain.style, static_cast<DWORD>(WS_POPUP | WS_BORDER | WS_SYSMENU));
    EXPECT_EQ(plain.cy, 4);
    const plat::res::DialogTemplate d = onlyDialog(
        "1 DIALOGEX 0, 0, 9, 9\nSTYLE WS_POPUP\nCAPTION \"Hi\"\nFONT 10, \"Arial\", 700, 1, 0\nBEGIN\nEND\n");
    EXPECT_EQ(d.style, static_cast<DWORD>(WS_POPUP | WS_CAPTION | DS_SETFONT));
    EXPECT_EQ(d.caption, "Hi");
    EXPECT_EQ(d.pointSize, 10);
    EXPECT_EQ(d.fontName, "Arial");
    const plat::res::DialogTemplate m = onlyDialog(
        "1 DIALOG 0, 0, 9, 9\nEXSTYLE WS_EX_TOPMOST\nMENU mainMenu\nCLASS \"MyClass\"\nBEGIN\nEND\n");
    EXPECT_EQ(m.exStyle, static_cast<DWORD>(WS_EX_TOPMOST));
    ASSERT_TRUE(m.hasMenu);
    EXPECT_FALSE(m.menu.isId);
    EXPECT_EQ(m.menu.name, "MAINMENU");
    EXPECT_EQ(m.className, "MyClass");
    EXPECT_EQ(onlyDialog("1 DIALOG 0, 0, 9, 9 { LTEXT \"a\", 1, 0, 0, 1, 1 }").controls.size(), 1u);
}

TEST(RcExpressions, ArithmeticWithCPrecedenceSignsAndLongSuffixes) {
    const struct {
        const char *coordinates;
        int x, y, cx, cy;
    } cases[] = {
        {"2 + 3 * 4, (2 + 3) * 4, 0x10 | 1, 100 - 1 - 2", 14, 20, 17, 97},
        {"-5, -(2), 10L, 0x20UL", -5, -2, 10, 32},
    };
    for (const auto &c : cases) {
        const plat::res::DialogTemplate d =
            onlyDialog(std::string("1 DIALOG ") + c.coordinates + "\nBEGIN\nEND\n");
        EXPECT_TRUE(d.x == c.x && d.y == c.y && d.cx == c.cx && d.cy == c.cy)
            << c.coordinates << ": " << d.x << ", " << d.y << ", " << d.cx << ", " << d.cy;
    }
}

TEST(RcExpressions, MacrosFromHeadersAndScriptAreExpanded) {
    ModuleResources r =
        compileOk("#include \"ids.h\"\n#define LOCAL (BASE + 2)\nSTRINGTABLE { LOCAL \"x\" }\n",
                  {{"ids.h", "#define BASE 40\nint notForRc(void);\n"}});
    ASSERT_EQ(r.strings.size(), 1u);
    EXPECT_EQ(r.strings[0].id, 42);
}

TEST(RcExpressions, ConstantsTableIsSortedAndTakesWindowsHValues) {
    const std::vector<std::string_view> names = rc::constantNames();
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_EQ(rc::findConstant("WS_OVERLAPPEDWINDOW"), static_cast<uint32_t>(WS_OVERLAPPEDWINDOW));
    EXPECT_EQ(rc::findConstant("LBS_STANDARD"), static_cast<uint32_t>(LBS_STANDARD));
    EXPECT_EQ(rc::findConstant("IDC_STATIC"), 0xFFFFFFFFu);
    EXPECT_FALSE(rc::findConstant("ws_child").has_value());
}

TEST(RcNames, IdentifiersAreUpperCasedAndNumbersAreIds) {
    ModuleResources r = compileOk(
        "myDialog DIALOG 0,0,1,1 BEGIN END\n\"Quoted\" DIALOG 0,0,1,1 BEGIN END\n"
        "65535 DIALOG 0,0,1,1 BEGIN END\n");
    ASSERT_EQ(r.dialogs.size(), 3u);
    EXPECT_EQ(r.dialogs[0].name.name, "MYDIALOG");
    EXPECT_EQ(r.dialogs[1].name.name, "QUOTED");
    EXPECT_TRUE(r.dialogs[2].name.isId);
    EXPECT_EQ(r.dialogs[2].name.id, 65535);
}

TEST(RcPreprocessor, ConditionalBlocksChooseTheRightBranch) {
    ModuleResources r = compileOk(
        "#define TWO 2\n"
        "#if 0\n1 \"skipped \n#elif defined(TWO) && TWO == 2\nSTRINGTABLE { 1 \"elif\" }\n#else\n2\n#endif\n"
        "#ifdef MISSING\n#error not here\n#else\nSTRINGTABLE { 2 \"else\" }\n#endif\n"
        "#ifndef RC_INVOKED\n#error the compiler defines RC_INVOKED\n#endif\n"
        "#undef TWO\n#if !defined TWO\nSTRINGTABLE { 3 \"undef\" }\n#endif\n");
    ASSERT_EQ(r.strings.size(), 3u);
    EXPECT_EQ(r.strings[0].text, "elif");
    EXPECT_EQ(r.strings[1].text, "else");
    EXPECT_EQ(r.strings[2].text, "undef");
}

TEST(RcPreprocessor, SystemHeadersAreOptionalAndDependenciesListEveryFileRead) {
    EXPECT_EQ(firstError("#include <windows.h>\n#include \"afxres.h\"\n"), "no error");
    rc::CompileResult result = compile("#include \"a.h\"\n", {{"a.h", "#include \"b.h\"\n"}, {"b.h", ""}});
    EXPECT_EQ(result.dependencies, (std::vector<std::string>{"main.rc", "a.h", "b.h"}));
}

TEST(RcStrings, EscapesDoubledQuotesJoinedLiteralsAndUtf8) {
    ModuleResources r = compileOk(
        "STRINGTABLE\nBEGIN\n 9, \"a\\tb\\nc\\\\d\\\"e\"\n 8 \"say \"\"hi\"\"\"\n 7 \"one\" \" two\"\n"
        " 6 L\"\\x41\\101\"\nEND\n");
    ASSERT_EQ(r.strings.size(), 4u);  // sorted by id
    EXPECT_EQ(r.strings[0].text, "AA");
    EXPECT_EQ(r.strings[1].text, "one two");
    EXPECT_EQ(r.strings[2].text, "say \"hi\"");
    EXPECT_EQ(r.strings[3].text, "a\tb\nc\\d\"e");
    // UTF-8 passes through unchanged, after a byte-order mark.
    EXPECT_EQ(compileOk("\xEF\xBB\xBFSTRINGTABLE { 1 \"5 \xC2\xB5m\" }\n").strings.at(0).text, "5 \xC2\xB5m");
}

TEST(RcMenus, NestedPopupsSeparatorsAndOptions) {
    ModuleResources r = compileOk(
        "M MENU\nBEGIN\n POPUP \"&File\", GRAYED\n BEGIN\n  MENUITEM \"&Open\", 10, CHECKED GRAYED\n"
        "  MENUITEM SEPARATOR\n  POPUP \"Sub\" { MENUITEM \"Deep\", 11, INACTIVE, MENUBARBREAK }\n END\n"
        " MENUITEM \"&Help\", 12, HELP\nEND\n");
    ASSERT_EQ(r.menus.size(), 1u);
    const auto &items = r.menus[0].menu.items;
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].flags, static_cast<UINT>(MF_POPUP | MF_GRAYED));
    ASSERT_EQ(items[0].children.size(), 3u);
    EXPECT_EQ(items[0].children[0].flags, static_cast<UINT>(MF_CHECKED | MF_GRAYED));
    EXPECT_EQ(items[0].children[0].id, 10u);
    EXPECT_EQ(items[0].children[1].flags, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(items[0].children[2].children.at(0).flags, static_cast<UINT>(MF_DISABLED | MF_MENUBARBREAK));
    EXPECT_EQ(items[1].flags, 0x4000u);
}

// The first error with its file and line, the file being the one included
// when the error lies there.
TEST(RcErrors, FirstErrorOfEachKindWithItsLine) {
    struct Case {
        std::string script;
        const char *error;
        std::map<std::string, std::string> files = {};
    };
    const Case cases[] = {
        {"\n#include \"missing.h\"\n", "main.rc:2: cannot open include file 'missing.h'"},
        {"\n1 ICON \"nothere.ico\"\n", "main.rc:2: cannot open icon file 'nothere.ico'"},
        {"1 CURSOR \"bad.cur\"\n",
         "main.rc:1: bad cursor file 'bad.cur': not an icon or cursor file",
         {{"bad.cur", "not a cursor"}}},
        {"#include \"more.rc\"\n",
         "more.rc:3: unterminated string",
         {{"more.rc", "STRINGTABLE\nBEGIN\n 1 \"a\" \"b\n"}}},
        {"#include \"ids.h\"\n", "ids.h:2: #if without #endif", {{"ids.h", "\n#ifdef X\n"}}},
        {"1 DIALOG 0, 0, 1, 1\nBEGIN\n  LTEXT \"a\", 1, 0, 0, 1, 1\n  SLIDER 2, 0, 0, 1, 1\nEND\n",
         "main.rc:4: unknown keyword 'SLIDER' in a dialog"},
        {"\n\nX BANANA\n", "main.rc:3: unknown keyword 'BANANA'"},
        {"M MENU\nBEGIN\n  ITEM \"a\", 1\nEND\n", "main.rc:3: unknown keyword 'ITEM' in a menu"},
        {"1 VERSIONINFO\n", "main.rc:1: unsupported resource type VERSIONINFO"},
        {"1 DIALOG 0, 0, 1, 1\nSTYLE WS_POPUP\nTITLE \"x\"\nBEGIN\nEND\n",
         "main.rc:3: unknown keyword 'TITLE' in a dialog"},
        {"STRINGTABLE\nBEGIN\n  1 \"no end\nEND\n", "main.rc:3: unterminated string"},
        {"\n/* open\n\n", "main.rc:2: unterminated comment"},
        // A missing END is reported at the block it leaves open.
        {"1 DIALOG 0, 0, 1, 1\nBEGIN\n  LTEXT \"a\", 1, 0, 0, 1, 1\n",
         "main.rc:2: missing END for the block opened here"},
        {"M MENU\nBEGIN\n POPUP \"a\"\n BEGIN\n  MENUITEM \"b\", 1\nEND\n",
         "main.rc:2: missing END for the block opened here"},
        {"STRINGTABLE\nBEGIN\n 1 \"a\"\n\n2 DIALOG 0, 0, 1, 1\nBEGIN\nEND\n",
         "main.rc:2: missing END for the block opened here"},
        // An undefined identifier is reported at its line of use.
        {"1 DIALOG 0, 0, 1, 1\nBEGIN\n  PUSHBUTTON \"a\", IDC_NOWHERE, 0, 0, 1, 1\nEND\n",
         "main.rc:3: undefined identifier 'IDC_NOWHERE'"},
        {"#define ALIAS UNDEFINED_TOO\nSTRINGTABLE\nBEGIN\n ALIAS \"x\"\nEND\n",
         "main.rc:4: undefined identifier 'UNDEFINED_TOO'"},
        {"STRINGTABLE { 1 \"a\" }\nSTRINGTABLE { 1 \"b\" }\n", "main.rc:2: duplicate string id 1"},
        {"a DIALOG 0,0,1,1 {}\nA DIALOG 0,0,1,1 {}\n", "main.rc:2: duplicate DIALOG 'A'"},
        {"70000 DIALOG 0,0,1,1 {}\n", "main.rc:1: resource id 70000 is out of range (0 to 65535)"},
        {"STRINGTABLE { 65536 \"a\" }\n", "main.rc:1: string id 65536 is out of range (0 to 65535)"},
        {"1 DIALOG 0, 0, 1, 1\n\n2 DIALOG 0, 0, 1, 1 {}\n", "main.rc:3: expected BEGIN but found '2'"},
        {"STRINGTABLE { 1 \"a\" }\nEND\n", "main.rc:2: unexpected END"},
        {"1 DIALOG 0, 0 1, 1 {}\n", "main.rc:1: expected ',' but found '1'"},
        {"STRINGTABLE { 1 / 0 \"a\" }\n", "main.rc:1: division by zero"},
        {"#define F(x) x\nSTRINGTABLE { F(1) \"a\" }\n",
         "main.rc:2: function-like macro 'F' is not supported"},
        {"#define A B\n#define B A\nSTRINGTABLE { A \"a\" }\n", "main.rc:3: macro 'A' expands recursively"},
        {"\n#endif\n", "main.rc:2: #endif without #if"},
        {"#error stop here\n", "main.rc:1: #error stop here"},
        {"\xFF\xFE"
         "1",
         "main.rc:1: UTF-16 text is not supported; save the file as UTF-8"},
    };
    for (const Case &c : cases) EXPECT_EQ(firstError(c.script, c.files), c.error) << c.script;
}

}  // namespace
