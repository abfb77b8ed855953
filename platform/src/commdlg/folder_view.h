// The Open dialog's folder view: the "Look in" folder, the list of its
// folders and files of the chosen type, and the list of types. A click on a
// file puts its name in the file name edit; a double click opens a folder
// (".." the parent) or chooses a file; OK with the name of a folder opens it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include "commdlg/folder_listing.h"

namespace plat::commdlg {

struct FolderView {
    std::string folder;      // "" is the current directory
    bool navigated = false;  // the user left the initial folder
    DWORD filterIndex = 1;
    std::vector<FolderEntry> entries;  // as listed, row by row
};

// The initial folder (lpstrInitialDir, else the current directory) listed
// with the initial type (nFilterIndex).
FolderView initFolderView(HWND dialog, const OPENFILENAMEA &ofn);

// A WM_COMMAND from the file list or the type list; false for any other.
// A double click on a file sets the name and returns true with *chooseFile set.
bool folderViewCommand(HWND dialog, FolderView &view, const OPENFILENAMEA &ofn, WPARAM wParam,
                       bool *chooseFile);

// OK with this name: true (and the view shows that folder, the edit
// emptied) when it names a folder, relative to the view's folder or absolute.
bool openTypedFolder(HWND dialog, FolderView &view, const OPENFILENAMEA &ofn, const std::string &name);

// The folder a typed relative name is taken in: the view's once the user
// navigated, else the dialog's initial folder (nullptr: the current directory).
const char *folderForAnswers(const FolderView &view, const OPENFILENAMEA &ofn);

}  // namespace plat::commdlg
