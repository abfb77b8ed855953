// The host's own state that its window protocol, libraries and macro
// language share: the host window, the INI file, the client hooks, the macro
// recorder, the status line and prompt, whether a played-back command
// runs interactively, and what the session sent to the spreadsheet.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>

#include <hostmsg.h>

namespace host {

struct HookEntry {
    LONG id;
    ClientHookProc proc;
};

// One send of the spreadsheet link: the sheet's name and the text sent.
struct SentSheet {
    std::string name;
    std::string text;
};

struct HostState {
    HWND hostWindow = nullptr;
    std::string iniPath;
    std::vector<HookEntry> hooks;  // in installation order
    LONG nextHookId = 0;
    std::vector<std::string> recorded;  // every HostRecordMacro statement, in order
    std::string status;                 // the status line
    std::string prompt;                 // the prompt line ("" when cleared)
    bool interactive = false;           // QueryInteractive's answer
    HWND activePluginWindow = nullptr;  // from QueryNoteActiveWindow
    std::vector<POINT> pointList;       // the macro language's point list (VoListPts / VoMorePts)
    LONG aoi[4] = {0, 0, 0, 0};         // the active image's area of interest (QueryImageAoi)
    // The first file a plug-in could not write through the host's file
    // library ("cannot write 'PATH': REASON"), which the plug-in's own result
    // may not tell; the statement that caused it reports it.
    std::optional<std::string> pluginFileFailure;
    std::vector<SentSheet> sentSheets;  // the spreadsheet link's sheets of the session, in order
    // How the next options dialog of the spreadsheet link is answered (the
    // workbook typed, the open box set, OK); none: it waits for a hand.
    std::optional<std::pair<std::string, bool>> ddeOptionsAnswer;
};

HostState &state();

}  // namespace host
