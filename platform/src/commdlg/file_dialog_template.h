// The in-memory template of the platform's Save and Open dialogs.
#pragma once

#include <string>

#include <windows.h>

#include "internal/resources.h"

namespace plat::commdlg {

// Control ids of the Windows file dialogs, so that a hook finds the controls
// where it expects them.
constexpr int kFileNameLabelId = 1090;  // stc3
constexpr int kFileTypeLabelId = 1089;  // stc2
constexpr int kFileTypeId = 1136;  // cmb1 (Save: a static showing the chosen filter; Open: a list of them)
constexpr int kFileNameEditId = 1152;  // edt1
// The Open dialog's folder view.
constexpr int kFolderLabelId = 1091;  // stc4 ("Look in:")
constexpr int kFolderId = 1088;       // the folder shown
constexpr int kFileListId = 1120;     // lst1

// The description of filter pair nFilterIndex (1-based) of a
// "description\0pattern\0...\0\0" list, or of the first pair when the index
// names none; empty without a filter.
std::string filterDescription(const char *filter, DWORD index);

// A caption (lpstrTitle, or "Save As" / "Open"), the file name label and
// edit (holding the initial name from lpstrFile), the file type label and
// description, and OK and Cancel stacked at the right with room below them
// for a hook's own controls. The Open dialog also has the folder it looks
// in, the list of that folder's folders and files above the name, and a
// list of the types instead of the description.
res::DialogTemplate fileDialogTemplate(const OPENFILENAMEA &ofn, bool save);

}  // namespace plat::commdlg
