// The Open dialog's folder view: see folder_view.h.
#include "commdlg/folder_view.h"

#include <filesystem>

#include "commdlg/file_dialog_template.h"

namespace plat::commdlg {
namespace {

namespace fs = std::filesystem;

// Folders are shown as "name/" so that they can never be taken for files.
std::string rowText(const FolderEntry &entry) {
    return entry.folder ? entry.name + "/" : entry.name;
}

void showFolder(HWND dialog, FolderView &view, const OPENFILENAMEA &ofn) {
    view.entries = listFolder(view.folder, filterPatterns(ofn.lpstrFilter, view.filterIndex));
    HWND list = GetDlgItem(dialog, kFileListId);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const FolderEntry &entry : view.entries)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(rowText(entry).c_str()));
    std::error_code ec;
    const fs::path shown = fs::absolute(view.folder.empty() ? "." : view.folder, ec).lexically_normal();
    SetDlgItemTextA(dialog, kFolderId, (ec ? view.folder : shown.string()).c_str());
}

// The folder a name leads to from the view's folder, lexically ("a/../b" is "b").
std::string folderPath(const FolderView &view, const std::string &name) {
    std::error_code ec;
    fs::path base = fs::absolute(view.folder.empty() ? "." : view.folder, ec);
    fs::path target = (base / name).lexically_normal();
    std::string text = target.string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

void enterFolder(HWND dialog, FolderView &view, const OPENFILENAMEA &ofn, const std::string &name) {
    view.folder = folderPath(view, name);
    view.navigated = true;
    SetDlgItemTextA(dialog, kFileNameEditId, "");
    showFolder(dialog, view, ofn);
}

int selectedRow(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageA(dialog, id, LB_GETCURSEL, 0, 0));
}

}  // namespace

FolderView initFolderView(HWND dialog, const OPENFILENAMEA &ofn) {
    FolderView view;
    view.folder = ofn.lpstrInitialDir ? ofn.lpstrInitialDir : "";
    const std::vector<std::string> types = filterDescriptions(ofn.lpstrFilter);
    view.filterIndex = ofn.nFilterIndex >= 1 && ofn.nFilterIndex <= types.size() ? ofn.nFilterIndex : 1;
    for (const std::string &type : types)
        SendDlgItemMessageA(dialog, kFileTypeId, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(type.c_str()));
    SendDlgItemMessageA(dialog, kFileTypeId, LB_SETCURSEL, view.filterIndex - 1, 0);
    showFolder(dialog, view, ofn);
    return view;
}

bool folderViewCommand(HWND dialog, FolderView &view, const OPENFILENAMEA &ofn, WPARAM wParam,
                       bool *chooseFile) {
    *chooseFile = false;
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (id == kFileTypeId && code == LBN_SELCHANGE) {
        const int row = selectedRow(dialog, kFileTypeId);
        if (row >= 0) view.filterIndex = static_cast<DWORD>(row + 1);
        showFolder(dialog, view, ofn);
        return true;
    }
    if (id != kFileListId || (code != LBN_SELCHANGE && code != LBN_DBLCLK)) return false;
    const int row = selectedRow(dialog, kFileListId);
    if (row < 0 || static_cast<size_t>(row) >= view.entries.size()) return true;
    const FolderEntry entry = view.entries[static_cast<size_t>(row)];
    if (entry.folder) {
        if (code == LBN_DBLCLK) enterFolder(dialog, view, ofn, entry.name);
        return true;
    }
    SetDlgItemTextA(dialog, kFileNameEditId, entry.name.c_str());
    *chooseFile = code == LBN_DBLCLK;
    return true;
}

bool openTypedFolder(HWND dialog, FolderView &view, const OPENFILENAMEA &ofn, const std::string &name) {
    std::error_code ec;
    if (!fs::is_directory(fs::path(view.folder.empty() ? "." : view.folder) / name, ec)) return false;
    enterFolder(dialog, view, ofn, name);
    return true;
}

const char *folderForAnswers(const FolderView &view, const OPENFILENAMEA &ofn) {
    return view.navigated ? view.folder.c_str() : ofn.lpstrInitialDir;
}

}  // namespace plat::commdlg
