// GetSaveFileNameA and GetOpenFileNameA: a real platform dialog built from an
// in-memory template, with the old-style hook of OFN_ENABLEHOOK.
//
// As on Windows, the hook sees every message of the dialog before the
// dialog's own handling and suppresses it by returning non-zero; the one
// exception is WM_INITDIALOG, which the dialog handles first (the controls
// hold their initial text) and then passes to the hook with lParam = the
// OPENFILENAMEA. The owner is disabled while the dialog is open.
//
// Headless, the chooser set with plat::setSaveFileChooser answers both
// dialogs once the hook has seen WM_INITDIALOG; without a chooser the dialog
// runs modally and OK takes the name typed into the edit. OFN_OVERWRITEPROMPT
// and OFN_FILEMUSTEXIST ask nothing: the answer given is final.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include <platform/embed.h>

#include "commdlg/chosen_path.h"
#include "commdlg/file_dialog_template.h"
#include "commdlg/folder_view.h"
#include "dialog/dialog_keys.h"
#include "internal/dialog.h"

namespace {

using namespace plat::commdlg;

// Values of the real headers that windows.h does not declare.
constexpr DWORD kInvalidFileName = 0x3002;  // FNERR_INVALIDFILENAME
constexpr DWORD kOfnSizeVersion400 = offsetof(OPENFILENAMEA, pvReserved);

struct DialogState {
    OPENFILENAMEA *ofn = nullptr;
    bool hooked = false;
    bool accepted = false;
    DWORD error = 0;
    std::optional<FolderView> view;  // the Open dialog's
};

DWORD gExtendedError = 0;
plat::FileChooser gChooser;
std::map<HWND, DialogState *> gDialogs;
// The state of the dialog being created, until its first message names its window.
DialogState *gCreating = nullptr;

DialogState *stateOf(HWND dialog) {
    auto it = gDialogs.find(dialog);
    if (it != gDialogs.end()) return it->second;
    if (gCreating == nullptr) return nullptr;
    gDialogs[dialog] = gCreating;
    return std::exchange(gCreating, nullptr);
}

// Fills the caller's OPENFILENAMEA with the chosen file; false (with the
// extended error set) when the answer cannot be returned.
bool acceptAnswer(DialogState &state, const std::string &answer) {
    OPENFILENAMEA &ofn = *state.ofn;
    const char *folder = state.view ? folderForAnswers(*state.view, ofn) : ofn.lpstrInitialDir;
    std::optional<ChosenPath> chosen = resolveChosenPath(answer, folder, ofn.lpstrDefExt);
    if (!chosen) {
        state.error = kInvalidFileName;
        return false;
    }
    if (chosen->path.size() + 1 > ofn.nMaxFile) {
        // Windows leaves the size needed in the first two bytes of the buffer.
        if (ofn.nMaxFile >= 2) {
            WORD needed = static_cast<WORD>(std::min<size_t>(chosen->path.size() + 1, 0xFFFF));
            std::memcpy(ofn.lpstrFile, &needed, sizeof needed);
        }
        state.error = FNERR_BUFFERTOOSMALL;
        return false;
    }
    std::memcpy(ofn.lpstrFile, chosen->path.c_str(), chosen->path.size() + 1);
    ofn.nFileOffset = chosen->fileOffset;
    ofn.nFileExtension = chosen->extensionOffset;
    if (ofn.lpstrFileTitle != nullptr && ofn.nMaxFileTitle > 0) {
        lstrcpynA(ofn.lpstrFileTitle, chosen->path.c_str() + chosen->fileOffset,
                  static_cast<int>(ofn.nMaxFileTitle));
    }
    if (state.view) ofn.nFilterIndex = state.view->filterIndex;
    state.accepted = true;
    state.error = 0;
    return true;
}

// OK: an empty name keeps the dialog open (with a beep), and so does the
// name of a folder in the Open dialog, which opens it; any other name ends
// it, accepted or with the extended error that says why not.
void onOk(HWND dialog, DialogState &state) {
    HWND edit = GetDlgItem(dialog, kFileNameEditId);
    std::string text(static_cast<size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(edit, text.data(), static_cast<int>(text.size()))));
    if (text.empty()) {
        MessageBeep(0);
        return;
    }
    if (state.view && openTypedFolder(dialog, *state.view, *state.ofn, text)) return;
    EndDialog(dialog, acceptAnswer(state, text) ? IDOK : IDCANCEL);
}

INT_PTR CALLBACK fileDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogState *state = stateOf(dialog);
    if (state == nullptr) return FALSE;
    LPOFNHOOKPROC hook = state->hooked ? state->ofn->lpfnHook : nullptr;
    if (message == WM_INITDIALOG) {
        if (state->view) *state->view = initFolderView(dialog, *state->ofn);
        const bool defaultFocus =
            !hook || hook(dialog, message, wParam, reinterpret_cast<LPARAM>(state->ofn)) != 0;
        // The name edit starts with the focus, so that a name typed and Return choose the file.
        if (defaultFocus) plat::focusDialogItem(GetDlgItem(dialog, kFileNameEditId));
        return FALSE;
    }
    if (message == WM_NCDESTROY) gDialogs.erase(dialog);
    if (hook) {
        if (UINT_PTR result = hook(dialog, message, wParam, lParam)) return static_cast<INT_PTR>(result);
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        onOk(dialog, *state);
        return TRUE;
    }
    bool chooseFile = false;
    if (message == WM_COMMAND && state->view &&
        folderViewCommand(dialog, *state->view, *state->ofn, wParam, &chooseFile)) {
        if (chooseFile) onOk(dialog, *state);
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

HWND topLevelOf(HWND hwnd) {
    while (hwnd != nullptr && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)) hwnd = GetParent(hwnd);
    return hwnd;
}

// The headless answer: the dialog is shown (so that its controls can be
// clicked), the chooser answers, and the dialog goes.
bool answerWithChooser(HWND dialog, HWND owner, DialogState &state) {
    bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    ShowWindow(dialog, SW_SHOWNORMAL);
    plat::FileChooser chooser = gChooser;  // the chooser may replace itself
    std::optional<std::string> answer = chooser(dialog, *state.ofn);
    bool accepted = answer.has_value() && acceptAnswer(state, *answer);
    if (!answer) state.error = 0;
    if (ownerWasEnabled && IsWindow(owner)) EnableWindow(owner, TRUE);
    if (IsWindow(dialog)) DestroyWindow(dialog);
    return accepted;
}

BOOL runFileDialog(LPOPENFILENAMEA ofn, bool save) {
    gExtendedError = 0;
    if (ofn == nullptr) {
        gExtendedError = CDERR_INITIALIZATION;
        return FALSE;
    }
    if (ofn->lStructSize != sizeof(OPENFILENAMEA) && ofn->lStructSize != kOfnSizeVersion400) {
        gExtendedError = CDERR_STRUCTSIZE;
        return FALSE;
    }
    if (ofn->lpstrFile == nullptr || ofn->nMaxFile == 0) {
        gExtendedError = CDERR_INITIALIZATION;
        return FALSE;
    }
    DialogState state;
    state.ofn = ofn;
    state.hooked = (ofn->Flags & OFN_ENABLEHOOK) && ofn->lpfnHook != nullptr;
    if (!save) state.view.emplace();
    HWND owner = topLevelOf(ofn->hwndOwner);
    gCreating = &state;
    HWND dialog = plat::createDialogIndirect(nullptr, fileDialogTemplate(*ofn, save), owner, fileDialogProc,
                                             reinterpret_cast<LPARAM>(&state));
    gCreating = nullptr;
    if (dialog == nullptr) {
        gExtendedError = CDERR_DIALOGFAILURE;
        return FALSE;
    }
    if (gChooser) {
        bool accepted = answerWithChooser(dialog, owner, state);
        gExtendedError = state.error;
        return accepted ? TRUE : FALSE;
    }
    INT_PTR result = plat::runModalDialog(dialog, owner);
    gExtendedError = result == -1 ? CDERR_DIALOGFAILURE : state.error;
    return state.accepted && result == IDOK ? TRUE : FALSE;
}

}  // namespace

namespace plat {
void setSaveFileChooser(FileChooser chooser) {
    gChooser = std::move(chooser);
}
FileChooser saveFileChooser() {
    return gChooser;
}
}  // namespace plat

extern "C" {

BOOL WINAPI GetSaveFileNameA(LPOPENFILENAMEA lpofn) {
    return runFileDialog(lpofn, true);
}

BOOL WINAPI GetOpenFileNameA(LPOPENFILENAMEA lpofn) {
    return runFileDialog(lpofn, false);
}

DWORD WINAPI CommDlgExtendedError(void) {
    return gExtendedError;
}

}  // extern "C"
