// What a script sees and says: Echo, snapshots, the clipboard, the current
// plug-in window (commands, control texts, its table), how the next Save
// dialog and the spreadsheet link's options dialog are answered, and the host commands that involve the
// plug-in (LineProfile, Report, CloseProfiles, Interactive).
#include <cctype>
#include <filesystem>

#include <platform/embed.h>
#include <platform/files.h>

#include "chart/chart_picture.h"
#include "chart/table_window.h"
#include "core/host_state.h"
#include "libs/report.h"
#include "macro/clipboard_data.h"
#include "macro/hand_steps.h"
#include "macro/lexer.h"
#include "macro/output_file.h"
#include "macro/statements.h"
#include "window/host_window.h"
#include "window/image_window.h"

namespace host::macro {
namespace {

Outcome echo(Context &context, const Statement &s) {
    context.print(textArg(s, 0));
    return std::nullopt;
}

// "image": the active image window's client area; "profile": the whole
// current plug-in window as a user sees it; "screen": everything.
Outcome snapshot(Context &, const Statement &s) {
    const std::string &what = textArg(s, 0);
    std::optional<plat::Image> picture;
    if (what == "image") {
        HWND window = activeImageWindow();
        if (!window) return fail("no image window is open");
        picture = plat::captureWindow(window, true);
    } else if (what == "profile") {
        HWND window = currentPluginWindow();
        if (!window) return fail("no plug-in window is current");
        picture = plat::captureWindow(window, false);
    } else if (what == "screen") {
        picture = plat::captureScreen();
    } else {
        return fail("a snapshot is of \"image\", \"profile\" or \"screen\", not \"" +
                        plat::shortenedForMessage(what, kQuotedLimit) + "\"",
                    0);
    }
    if (!picture) return fail("the window could not be captured");
    const std::string &path = textArg(s, 1);
    if (std::optional<std::string> error = makeParentFolders(path)) return fail(*error, 1);
    std::string why;
    return plat::writePng(*picture, path, &why) ? std::nullopt : fail(why, 1);
}

std::string lowerExtension(const std::string &path) {
    std::string extension = std::filesystem::path(path).extension().string();
    for (char &c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

// By the path's extension: ".txt" the text (CF_TEXT), ".svg" a chart's SVG,
// ".png" the picture (CF_DIB).
Outcome clipboardSave(Context &, const Statement &s) {
    const std::string &path = textArg(s, 0);
    const std::string extension = lowerExtension(path);
    std::optional<std::string> text;
    if (extension == ".txt") {
        text = plat::clipboardText();
        if (!text) return fail("the clipboard holds no text");
    } else if (extension == ".svg") {
        text = clipboardText(svgClipboardFormat());
        if (!text) return fail("the clipboard holds no SVG picture");
    } else if (extension != ".png") {
        return fail("cannot tell what to write to '" + plat::shortenedForMessage(path) +
                        "': ClipboardSave writes a .png, .svg or .txt file",
                    0);
    }
    if (text) {
        std::optional<std::string> error = writeTextFile(path, *text);
        return error ? fail(*error, 0) : std::nullopt;
    }
    std::optional<std::string> dib = clipboardBlock(CF_DIB);
    if (!dib) return fail("the clipboard holds no picture");
    std::optional<plat::Image> picture = imageFromDib(*dib);
    if (!picture) return fail("the clipboard's picture is not a 24- or 32-bit DIB");
    if (std::optional<std::string> error = makeParentFolders(path)) return fail(*error, 0);
    std::string why;
    return plat::writePng(*picture, path, &why) ? std::nullopt : fail(why, 0);
}

Outcome profCommand(Context &, const Statement &s) {
    HWND window = currentPluginWindow();
    if (!window) return fail("no plug-in window is current");
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(wholeArg(s, 0)), 0), 0);
    return std::nullopt;
}

Outcome ctlText(Context &context, const Statement &s) {
    HWND window = currentPluginWindow();
    if (!window) return fail("no plug-in window is current");
    HWND control = GetDlgItem(window, static_cast<int>(wholeArg(s, 0)));
    if (!control) return fail("the plug-in window has no control " + std::to_string(wholeArg(s, 0)), 0);
    std::string text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    context.print(text);
    return std::nullopt;
}

Outcome saveDialog(Context &context, const Statement &s) {
    context.saveAnswer = textArg(s, 0);
    return std::nullopt;
}

Outcome saveDialogCancel(Context &context, const Statement &) {
    context.saveAnswer.reset();
    return std::nullopt;
}

// The check boxes the Save dialog's hook adds; a later call for the same box wins.
Outcome saveDialogOption(Context &context, const Statement &s) {
    const std::string &box = textArg(s, 0);
    if (box != "Header" && box != "Legend" && box != "X-Axis")
        return fail(
            "a Save dialog option is \"Header\", \"Legend\" or \"X-Axis\", not " + quotedForMessage(box), 0);
    const long state = wholeArg(s, 1);
    if (state != 0 && state != 1) return fail("a check box is set with 0 or 1", 1);
    std::erase_if(context.saveOptions, [&](const auto &option) { return option.first == box; });
    context.saveOptions.emplace_back(box, state == 1);
    return std::nullopt;
}

// The next options dialog of the spreadsheet link: the workbook typed, the
// open box set, then OK.
Outcome ddeOptionsDialog(Context &, const Statement &s) {
    const long open = wholeArg(s, 1);
    if (open != 0 && open != 1) return fail("a check box is set with 0 or 1", 1);
    if (textArg(s, 0).empty()) return fail("the workbook's path is empty", 0);
    state().ddeOptionsAnswer.emplace(textArg(s, 0), open == 1);
    return std::nullopt;
}

// A cell of the table shown in the current plug-in window, as the table shows it.
Outcome tableText(Context &context, const Statement &s) {
    HWND window = currentPluginWindow();
    if (!window) return fail("no plug-in window is current");
    const TableData *table = tableShownIn(window);
    if (!table) return fail("the plug-in window shows no table");
    const long row = wholeArg(s, 0), column = wholeArg(s, 1);
    std::optional<std::string> text =
        row < 0 || column < 0
            ? std::nullopt
            : host::tableText(*table, static_cast<size_t>(row), static_cast<size_t>(column));
    if (!text)
        return fail("the table has rows 0 to " + std::to_string(table->rows) + " and columns 0 to " +
                    std::to_string(table->columns) + ", not row " + std::to_string(row) + ", column " +
                    std::to_string(column));
    context.print(*text);
    return std::nullopt;
}

// The host's Line Profile command.
Outcome lineProfile(Context &context, const Statement &s) {
    if (!context.plugin)
        return fail("'LineProfile' needs the plug-in module, and none is loaded: " + context.noPluginReason);
    LONG result = context.plugin->interfaceFunction(0, hostWindow(), 0, 0, 0, 0, 0);
    if (context.trace) context.print(s.canonical() + " -> " + std::to_string(result));
    return std::nullopt;
}

// The host's report command, into a folder made as needed.
Outcome report(Context &, const Statement &s) {
    const std::string &folder = textArg(s, 0);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) return fail("cannot create the folder '" + folder + "': " + ec.message(), 0);
    std::string error;
    return writeReport(folder, &error) ? std::nullopt : fail(error, 0);
}

Outcome closeProfiles(Context &, const Statement &) {
    closeAllProfiles();
    return std::nullopt;
}

Outcome interactive(Context &, const Statement &s) {
    state().interactive = wholeArg(s, 0) != 0;
    return std::nullopt;
}

constexpr StatementRow kStatements[] = {
    {"Echo", "s", "Echo(\"text\")", echo},
    {"Snapshot", "ss", "Snapshot(\"image\" or \"profile\" or \"screen\", \"out.png\")", snapshot},
    {"ClipboardSave", "s", "ClipboardSave(\"out.txt\" or \"out.svg\" or \"out.png\")", clipboardSave},
    {"ProfCommand", "i", "ProfCommand(id)", profCommand},
    {"CtlText", "i", "CtlText(id)", ctlText},
    {"SaveDialog", "s", "SaveDialog(\"path\")", saveDialog},
    {"SaveDialogCancel", "", "SaveDialogCancel()", saveDialogCancel},
    {"SaveDialogOption", "si", "SaveDialogOption(\"Header\" or \"Legend\" or \"X-Axis\", 1 or 0)",
     saveDialogOption},
    {"TableText", "ii", "TableText(row, column)", tableText},
    {"DdeOptionsDialog", "si", "DdeOptionsDialog(\"workbook.xlsx\", open 1 or 0)", ddeOptionsDialog},
    {"LineProfile", "", "LineProfile()", lineProfile},
    {"Report", "s", "Report(\"folder\")", report},
    {"CloseProfiles", "", "CloseProfiles()", closeProfiles},
    {"Interactive", "i", "Interactive(1 or 0)", interactive},
};

}  // namespace

std::span<const StatementRow> outputStatements() {
    return kStatements;
}

}  // namespace host::macro
