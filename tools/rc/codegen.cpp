// Generation of the resource tables as C++. The code builds the tables with
// plain statements at static initialisation: simple to generate, and the
// compiler checks every field name against internal/resources.h.
#include "codegen.h"

#include <cstdio>
#include <sstream>

namespace rc {
namespace {

using plat::res::ResName;

std::string hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

std::string nameExpression(const ResName &name) {
    if (name.isId) return "idName(" + std::to_string(name.id) + ")";
    return "textName(" + cppStringLiteral(name.name) + ")";
}

void writeDialog(std::ostream &out, const plat::res::DialogEntry &entry) {
    const plat::res::DialogTemplate &d = entry.dialog;
    out << "    {\n        DialogEntry e;\n        e.name = " << nameExpression(entry.name) << ";\n"
        << "        DialogTemplate &d = e.dialog;\n"
        << "        d.style = " << hex(d.style) << ";\n        d.exStyle = " << hex(d.exStyle) << ";\n"
        << "        d.x = " << d.x << ";\n        d.y = " << d.y << ";\n        d.cx = " << d.cx
        << ";\n        d.cy = " << d.cy << ";\n"
        << "        d.caption = " << cppStringLiteral(d.caption) << ";\n";
    if (d.hasMenu) out << "        d.hasMenu = true;\n        d.menu = " << nameExpression(d.menu) << ";\n";
    out << "        d.className = " << cppStringLiteral(d.className) << ";\n"
        << "        d.pointSize = " << d.pointSize << ";\n"
        << "        d.fontName = " << cppStringLiteral(d.fontName) << ";\n";
    for (const plat::res::DialogControl &c : d.controls) {
        out << "        d.controls.push_back(control(" << cppStringLiteral(c.className) << ", "
            << cppStringLiteral(c.text) << ", " << c.id << ", " << hex(c.style) << ", " << hex(c.exStyle)
            << ", " << c.x << ", " << c.y << ", " << c.cx << ", " << c.cy << "));\n";
    }
    out << "        r.dialogs.push_back(std::move(e));\n    }\n";
}

void writeMenuItems(std::ostream &out, const std::vector<plat::res::MenuTemplateItem> &items,
                    const std::string &list, int depth) {
    const std::string indent(static_cast<size_t>(8 + 4 * depth), ' ');
    for (const plat::res::MenuTemplateItem &item : items) {
        out << indent << list << ".push_back(menuItem(" << hex(item.flags) << ", " << item.id << ", "
            << cppStringLiteral(item.text) << "));\n";
        if (!item.children.empty()) {
            const std::string children = "c" + std::to_string(depth);
            out << indent << "{\n"
                << indent << "    auto &" << children << " = " << list << ".back().children;\n";
            writeMenuItems(out, item.children, children, depth + 1);
            out << indent << "}\n";
        }
    }
}

void writeImage(std::ostream &out, const plat::res::ImageEntry &entry, const char *list) {
    const plat::res::ImageData &image = entry.image;
    out << "    {\n        static const uint32_t kPixels[] = {";
    for (size_t i = 0; i < image.argb.size(); ++i) {
        out << (i % 8 == 0 ? "\n            " : " ") << hex(image.argb[i]) << ",";
    }
    out << "\n        };\n        ImageEntry e;\n        e.name = " << nameExpression(entry.name) << ";\n"
        << "        e.image.width = " << image.width << ";\n        e.image.height = " << image.height
        << ";\n"
        << "        e.image.hotX = " << image.hotX << ";\n        e.image.hotY = " << image.hotY << ";\n"
        << "        e.image.argb.assign(std::begin(kPixels), std::end(kPixels));\n"
        << "        r." << list << ".push_back(std::move(e));\n    }\n";
}

const char *const kPrologue = R"(#include <cstdint>
#include <iterator>
#include <string>
#include <utility>

#include "internal/resources.h"

namespace {

using namespace plat::res;

ResName idName(uint16_t id) {
    ResName n;
    n.id = id;
    return n;
}

[[maybe_unused]] ResName textName(std::string text) {
    ResName n;
    n.isId = false;
    n.name = std::move(text);
    return n;
}

[[maybe_unused]] DialogControl control(std::string className, std::string text, int id, DWORD style,
                                       DWORD exStyle, int x, int y, int cx, int cy) {
    DialogControl c;
    c.className = std::move(className);
    c.text = std::move(text);
    c.id = id;
    c.style = style;
    c.exStyle = exStyle;
    c.x = x;
    c.y = y;
    c.cx = cx;
    c.cy = cy;
    return c;
}

[[maybe_unused]] MenuTemplateItem menuItem(UINT flags, UINT id, std::string text) {
    MenuTemplateItem item;
    item.flags = flags;
    item.id = id;
    item.text = std::move(text);
    return item;
}

ModuleResources build() {
    ModuleResources r;
)";

const char *const kEpilogue = R"(    return r;
}

const ModuleResources kResources = build();
// The tables' own address tells which module (executable or shared object) they belong to.
[[maybe_unused]] const bool kRegistered = registerModule(instanceOf(&kResources), &kResources);

}  // namespace
)";

}  // namespace

std::string cppStringLiteral(const std::string &text) {
    std::string literal = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            literal += '\\';
            literal += c;
        } else if (byte >= 0x20 && byte < 0x7F && c != '?') {
            literal += c;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%03o", byte);
            literal += escape;
        }
    }
    if (text.find('\0') != std::string::npos)
        return "std::string(" + literal + "\", " + std::to_string(text.size()) + ")";
    return literal + "\"";
}

std::string generateSource(const plat::res::ModuleResources &resources, const std::string &scriptName) {
    std::ostringstream out;
    out << "// Resource tables compiled by vorc from " << scriptName << ". Generated; do not edit.\n";
    out << kPrologue;
    for (const plat::res::StringEntry &s : resources.strings) {
        out << "    r.strings.push_back({" << s.id << ", " << cppStringLiteral(s.text) << "});\n";
    }
    for (const plat::res::DialogEntry &d : resources.dialogs) writeDialog(out, d);
    for (const plat::res::MenuEntry &m : resources.menus) {
        out << "    {\n        MenuEntry e;\n        e.name = " << nameExpression(m.name) << ";\n";
        writeMenuItems(out, m.menu.items, "e.menu.items", 0);
        out << "        r.menus.push_back(std::move(e));\n    }\n";
    }
    for (const plat::res::ImageEntry &i : resources.icons) writeImage(out, i, "icons");
    for (const plat::res::ImageEntry &i : resources.cursors) writeImage(out, i, "cursors");
    out << kEpilogue;
    return out.str();
}

std::string generateDepfile(const std::string &target, const std::vector<std::string> &dependencies) {
    auto escape = [](const std::string &path) {
        std::string escaped;
        for (const char c : path) {
            if (c == ' ' || c == '#') escaped += '\\';
            if (c == '$') escaped += '$';
            escaped += c;
        }
        return escaped;
    };
    std::string text = escape(target) + ":";
    for (const std::string &dependency : dependencies) text += " \\\n  " + escape(dependency);
    return text + "\n";
}

}  // namespace rc
