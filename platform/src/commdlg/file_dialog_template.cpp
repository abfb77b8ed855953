// The Save and Open dialog template: see file_dialog_template.h.
#include "commdlg/file_dialog_template.h"

#include <cstring>

namespace plat::commdlg {

namespace {

// The initial file name, read only within nMaxFile.
std::string initialFileName(const OPENFILENAMEA &ofn) {
    if (ofn.lpstrFile == nullptr) return {};
    size_t length = 0;
    while (length < ofn.nMaxFile && ofn.lpstrFile[length] != '\0') ++length;
    return std::string(ofn.lpstrFile, length);
}

// Caption, font and the OK and Cancel buttons at the right, 4 units apart.
res::DialogTemplate frameTemplate(const OPENFILENAMEA &ofn, bool save, short height) {
    res::DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_3DLOOK;
    t.x = 24;
    t.y = 24;
    t.cx = 264;
    t.cy = height;
    t.caption = ofn.lpstrTitle ? ofn.lpstrTitle : (save ? "Save As" : "Open");
    t.pointSize = 8;
    t.fontName = "MS Sans Serif";
    return t;
}

void addButtons(res::DialogTemplate &t) {
    t.controls.push_back(
        res::childControl("button", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 207, 7, 50, 14));
    t.controls.push_back(
        res::childControl("button", "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 207, 25, 50, 14));
}

// Left column: name and type.
res::DialogTemplate saveTemplate(const OPENFILENAMEA &ofn) {
    res::DialogTemplate t = frameTemplate(ofn, true, 82);
    t.controls.push_back(res::childControl("static", "File name:", kFileNameLabelId, SS_LEFT, 7, 7, 190, 9));
    t.controls.push_back(res::childControl("edit", initialFileName(ofn), kFileNameEditId,
                                           WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 18, 190, 12));
    t.controls.push_back(
        res::childControl("static", "Save as type:", kFileTypeLabelId, SS_LEFT, 7, 38, 190, 9));
    t.controls.push_back(res::childControl("static", filterDescription(ofn.lpstrFilter, ofn.nFilterIndex),
                                           kFileTypeId, SS_LEFT | SS_NOPREFIX | SS_SUNKEN, 7, 49, 190, 12));
    addButtons(t);
    return t;
}

// Left column: the folder, its list, the name and the list of types; the
// dialog fills the lists as it starts.
res::DialogTemplate openTemplate(const OPENFILENAMEA &ofn) {
    constexpr DWORD kList = LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP;
    res::DialogTemplate t = frameTemplate(ofn, false, 184);
    t.controls.push_back(res::childControl("static", "Look in:", kFolderLabelId, SS_LEFT, 7, 7, 32, 9));
    t.controls.push_back(res::childControl("static", "", kFolderId, SS_LEFT | SS_NOPREFIX, 40, 7, 157, 9));
    t.controls.push_back(res::childControl("listbox", "", kFileListId, kList, 7, 18, 190, 92));
    t.controls.push_back(
        res::childControl("static", "File name:", kFileNameLabelId, SS_LEFT, 7, 114, 190, 9));
    t.controls.push_back(res::childControl("edit", initialFileName(ofn), kFileNameEditId,
                                           WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 125, 190, 12));
    t.controls.push_back(
        res::childControl("static", "Files of type:", kFileTypeLabelId, SS_LEFT, 7, 143, 190, 9));
    t.controls.push_back(res::childControl("listbox", "", kFileTypeId, kList, 7, 154, 190, 24));
    addButtons(t);
    return t;
}

}  // namespace

std::string filterDescription(const char *filter, DWORD index) {
    if (filter == nullptr) return {};
    const char *first = filter;
    const char *p = filter;
    for (DWORD pair = 1; *p != '\0'; ++pair) {
        const char *description = p;
        p += std::strlen(p) + 1;  // the pattern follows its description
        if (pair == index) return description;
        if (*p == '\0') break;
        p += std::strlen(p) + 1;
    }
    return first;
}

res::DialogTemplate fileDialogTemplate(const OPENFILENAMEA &ofn, bool save) {
    return save ? saveTemplate(ofn) : openTemplate(ofn);
}

}  // namespace plat::commdlg
