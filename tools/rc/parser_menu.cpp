// The parser of MENU resources: MENUITEM, MENUITEM SEPARATOR and nested POPUPs.
#include <algorithm>
#include <windows.h>

#include "parser.h"

namespace rc {
namespace {

struct MenuOption {
    const char *keyword;
    UINT flag;
};

// MF_HELP (0x4000) is missing from the platform's windows.h; it only moves a
// menu bar item to the right.
const MenuOption kMenuOptions[] = {
    {"GRAYED", MF_GRAYED},       {"INACTIVE", MF_DISABLED},         {"CHECKED", MF_CHECKED},
    {"MENUBREAK", MF_MENUBREAK}, {"MENUBARBREAK", MF_MENUBARBREAK}, {"HELP", 0x4000},
};

const MenuOption *findOption(const Token &token) {
    for (const MenuOption &option : kMenuOptions) {
        if (token.isKeyword(option.keyword)) return &option;
    }
    return nullptr;
}

}  // namespace

void Parser::parseMenu(const Token &nameToken, const plat::res::ResName &name) {
    skipMemoryOptions();
    while (skipCommonStatement()) {
    }
    plat::res::MenuTemplate menu;
    Token opening;
    if (!openBlock(opening)) return;
    parseMenuItems(menu.items, opening);
    if (!ok()) return;
    const bool duplicate = std::any_of(out_.menus.begin(), out_.menus.end(),
                                       [&](const plat::res::MenuEntry &e) { return sameName(e.name, name); });
    if (duplicate) return fail(nameToken, "duplicate MENU " + describeName(name));
    out_.menus.push_back({name, std::move(menu)});
}

void Parser::parseMenuItems(std::vector<plat::res::MenuTemplateItem> &items, const Token &opening) {
    while (blockContinues(opening)) {
        const Token keyword = take();
        plat::res::MenuTemplateItem item;
        if (keyword.isKeyword("MENUITEM")) {
            if (acceptKeyword("SEPARATOR")) {
                item.flags = MF_SEPARATOR;
            } else {
                item.text = parseText();
                acceptPunct(",");
                item.id = parseExpression();
                item.flags = parseMenuOptions();
            }
        } else if (keyword.isKeyword("POPUP")) {
            item.text = parseText();
            item.flags = MF_POPUP | parseMenuOptions();
            Token popupOpening;
            if (!ok() || !openBlock(popupOpening)) return;
            parseMenuItems(item.children, popupOpening);
        } else {
            return fail(keyword, keyword.kind == TokenKind::Identifier
                                     ? "unknown keyword '" + keyword.text + "' in a menu"
                                     : "expected MENUITEM or POPUP but found " + keyword.describe());
        }
        if (!ok()) return;
        items.push_back(std::move(item));
    }
}

// Options follow the item, separated by commas or blanks.
UINT Parser::parseMenuOptions() {
    UINT flags = 0;
    while (ok()) {
        const bool comma = acceptPunct(",");
        const MenuOption *option = findOption(peek());
        if (option == nullptr) {
            if (comma) fail(peek(), "unknown menu option " + peek().describe());
            return flags;
        }
        take();
        flags |= option->flag;
    }
    return flags;
}

}  // namespace rc
