// The parser of DIALOG and DIALOGEX resources and their controls.
#include <strings.h>

#include <algorithm>
#include <windows.h>

#include "constants.h"
#include "parser.h"

namespace rc {
namespace {

using plat::res::DialogControl;
using plat::res::DialogTemplate;
using plat::res::ResName;

enum class ControlForm {
    Text,    // KIND "text", id, x, y, cx, cy [, style [, exstyle [, helpid]]]
    IdOnly,  // KIND id, x, y, cx, cy [, style [, exstyle [, helpid]]]
    Icon,    // ICON name, id, x, y [, cx, cy [, style [, exstyle [, helpid]]]]
};

struct ControlKind {
    const char *keyword;
    const char *className;
    DWORD defaultStyle;  // what the Windows resource compiler gives the statement
    ControlForm form;
};

const ControlKind kControlKinds[] = {
    {"LTEXT", "static", SS_LEFT | WS_GROUP, ControlForm::Text},
    {"RTEXT", "static", SS_RIGHT | WS_GROUP, ControlForm::Text},
    {"CTEXT", "static", SS_CENTER | WS_GROUP, ControlForm::Text},
    {"PUSHBUTTON", "button", BS_PUSHBUTTON | WS_TABSTOP, ControlForm::Text},
    {"DEFPUSHBUTTON", "button", BS_DEFPUSHBUTTON | WS_TABSTOP, ControlForm::Text},
    {"CHECKBOX", "button", BS_CHECKBOX | WS_TABSTOP, ControlForm::Text},
    {"AUTOCHECKBOX", "button", BS_AUTOCHECKBOX | WS_TABSTOP, ControlForm::Text},
    {"RADIOBUTTON", "button", BS_RADIOBUTTON | WS_TABSTOP, ControlForm::Text},
    {"AUTORADIOBUTTON", "button", BS_AUTORADIOBUTTON | WS_TABSTOP, ControlForm::Text},
    {"STATE3", "button", BS_3STATE | WS_TABSTOP, ControlForm::Text},
    {"AUTO3STATE", "button", BS_AUTO3STATE | WS_TABSTOP, ControlForm::Text},
    {"GROUPBOX", "button", BS_GROUPBOX, ControlForm::Text},
    {"LISTBOX", "listbox", LBS_NOTIFY | WS_BORDER, ControlForm::IdOnly},
    {"EDITTEXT", "edit", ES_LEFT | WS_BORDER | WS_TABSTOP, ControlForm::IdOnly},
    {"ICON", "static", SS_ICON, ControlForm::Icon},
};

// Every control is a visible child unless its style says NOT WS_VISIBLE.
constexpr DWORD kControlBase = WS_CHILD | WS_VISIBLE;
// A dialog without a STYLE statement.
constexpr DWORD kDefaultDialogStyle = WS_POPUP | WS_BORDER | WS_SYSMENU;

const ControlKind *findControlKind(const Token &token) {
    for (const ControlKind &kind : kControlKinds) {
        if (token.isKeyword(kind.keyword)) return &kind;
    }
    return nullptr;
}

// The system classes are stored in lower case whatever the script wrote.
std::string normaliseClass(const std::string &name) {
    static const char *const kSystem[] = {"button", "static", "listbox", "edit", "combobox", "scrollbar"};
    for (const char *system : kSystem) {
        if (strcasecmp(name.c_str(), system) == 0) return system;
    }
    return name;
}

// A resource name as the text of an ICON control: "#123" for an id, as
// Windows accepts it in LoadIconA.
std::string nameAsText(const ResName &name) {
    return name.isId ? "#" + std::to_string(name.id) : name.name;
}

}  // namespace

void Parser::parseDialog(const Token &nameToken, const ResName &name, bool extended) {
    DialogTemplate dialog;
    skipMemoryOptions();
    dialog.x = parseInt();
    if (expectComma()) dialog.y = parseInt();
    if (expectComma()) dialog.cx = parseInt();
    if (expectComma()) dialog.cy = parseInt();
    if (extended && acceptPunct(",")) parseExpression();  // help id
    bool gotStyle = false;
    parseDialogStatements(dialog, gotStyle);
    if (!gotStyle) dialog.style = kDefaultDialogStyle;
    if (!dialog.caption.empty()) dialog.style |= WS_CAPTION;
    Token opening;
    if (!ok() || !openBlock(opening)) return;
    while (blockContinues(opening)) {
        const Token keyword = take();
        parseControl(keyword, dialog);
    }
    if (!ok()) return;
    const bool duplicate =
        std::any_of(out_.dialogs.begin(), out_.dialogs.end(),
                    [&](const plat::res::DialogEntry &e) { return sameName(e.name, name); });
    if (duplicate) return fail(nameToken, "duplicate DIALOG " + describeName(name));
    out_.dialogs.push_back({name, std::move(dialog)});
}

// The optional statements between the dialog's header and its BEGIN.
void Parser::parseDialogStatements(DialogTemplate &dialog, bool &gotStyle) {
    while (ok() && !peek().isKeyword("BEGIN") && !peek().isPunct("{")) {
        if (skipCommonStatement()) continue;
        const Token keyword = take();
        if (keyword.isKeyword("STYLE")) {
            dialog.style = parseStyle(gotStyle ? dialog.style : 0);
            gotStyle = true;
        } else if (keyword.isKeyword("EXSTYLE")) {
            dialog.exStyle = parseStyle(dialog.exStyle);
        } else if (keyword.isKeyword("CAPTION")) {
            dialog.caption = parseText();
        } else if (keyword.isKeyword("FONT")) {
            dialog.pointSize = parseInt();
            if (expectComma()) dialog.fontName = parseText();
            // Weight, italic and character set (DIALOGEX) do not change the dialog font here.
            for (int extra = 0; extra < 3 && ok() && acceptPunct(","); ++extra) parseExpression();
            dialog.style |= DS_SETFONT;
        } else if (keyword.isKeyword("MENU")) {
            std::optional<ResName> menu = parseName();
            dialog.hasMenu = menu.has_value();
            if (menu) dialog.menu = *menu;
        } else if (keyword.isKeyword("CLASS")) {
            dialog.className = parseText();
        } else if (keyword.kind == TokenKind::Identifier) {
            fail(keyword, "unknown keyword '" + keyword.text + "' in a dialog");
        } else {
            fail(keyword, "expected BEGIN but found " + keyword.describe());
        }
    }
}

void Parser::parseControl(const Token &keyword, DialogTemplate &dialog) {
    DialogControl control;
    if (keyword.isKeyword("CONTROL")) {
        parseGenericControl(control);
        if (ok()) dialog.controls.push_back(std::move(control));
        return;
    }
    const ControlKind *kind = findControlKind(keyword);
    if (kind == nullptr) {
        return fail(keyword, keyword.kind == TokenKind::Identifier
                                 ? "unknown keyword '" + keyword.text + "' in a dialog"
                                 : "expected a control but found " + keyword.describe());
    }
    control.className = kind->className;
    if (kind->form == ControlForm::Text) {
        control.text = parseText();
        expectComma();
    } else if (kind->form == ControlForm::Icon) {
        if (std::optional<ResName> icon = parseName()) control.text = nameAsText(*icon);
        expectComma();
    }
    control.id = parseInt();
    if (expectComma()) control.x = parseInt();
    if (expectComma()) control.y = parseInt();
    const bool sizeOptional = kind->form == ControlForm::Icon;
    if (!sizeOptional || acceptPunct(",")) {
        if (!sizeOptional) expectComma();
        control.cx = parseInt();
        if (expectComma()) control.cy = parseInt();
    }
    control.style = kControlBase | kind->defaultStyle;
    if (ok() && acceptPunct(",")) control.style = parseStyle(control.style);
    if (ok() && acceptPunct(",")) control.exStyle = parseStyle(0);
    if (ok() && acceptPunct(",")) parseExpression();  // help id
    if (ok()) dialog.controls.push_back(std::move(control));
}

// CONTROL "text", id, class, style, x, y, cx, cy [, exstyle [, helpid]]
void Parser::parseGenericControl(DialogControl &control) {
    if (peek().kind == TokenKind::String) {
        control.text = parseText();
    } else if (std::optional<ResName> name = parseName()) {
        control.text = nameAsText(*name);
    }
    if (expectComma()) control.id = parseInt();
    if (!expectComma()) return;
    const Token classToken = take();
    if (classToken.kind == TokenKind::String || classToken.kind == TokenKind::Identifier) {
        control.className = normaliseClass(classToken.text);
    } else {
        return fail(classToken, "expected a window class but found " + classToken.describe());
    }
    if (expectComma()) control.style = parseStyle(kControlBase);
    if (expectComma()) control.x = parseInt();
    if (expectComma()) control.y = parseInt();
    if (expectComma()) control.cx = parseInt();
    if (expectComma()) control.cy = parseInt();
    if (ok() && acceptPunct(",")) control.exStyle = parseStyle(0);
    if (ok() && acceptPunct(",")) parseExpression();  // help id
}

}  // namespace rc
