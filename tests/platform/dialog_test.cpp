// Dialogs: WM_INITDIALOG before creation returns, the DWLP_MSGRESULT
// convention, dialog units, item helpers, and modal dialogs with their
// nested loop and disabled owner.
#include "window_fixture.h"

#include <platform/embed.h>

#include <algorithm>

#include "internal/dialog.h"

using namespace testing_support;

namespace {

plat::res::DialogTemplate sampleTemplate(DWORD extraStyle = 0) {
    plat::res::DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | extraStyle;
    t.cx = 160;
    t.cy = 80;
    t.caption = "Sample";
    auto control = [](const char *cls, const char *text, int id, DWORD style, int x, int y, int cx, int cy) {
        plat::res::DialogControl c;
        c.className = cls;
        c.text = text;
        c.id = id;
        c.style = style | WS_CHILD | WS_VISIBLE;
        c.x = x, c.y = y, c.cx = cx, c.cy = cy;
        return c;
    };
    t.controls = {control("button", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 100, 8, 50, 14),
                  control("button", "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 100, 26, 50, 14),
                  control("button", "One", 101, BS_AUTORADIOBUTTON | WS_GROUP, 8, 8, 60, 10),
                  control("button", "Two", 102, BS_AUTORADIOBUTTON, 8, 20, 60, 10),
                  control("static", "Label", 103, SS_LEFT, 8, 40, 60, 8)};
    return t;
}

struct DialogState {
    std::vector<UINT> seen;
    LPARAM initParam = 0;
    int commands = 0;
    INT_PTR endWith = 0;
};
DialogState state;

INT_PTR WINAPI SampleProc(HWND hwnd, UINT m, WPARAM w, LPARAM l) {
    state.seen.push_back(m);
    switch (m) {
        case WM_INITDIALOG:
            state.initParam = l;
            SetWindowLongPtrA(hwnd, DWLP_USER, l);
            return TRUE;
        case WM_USER + 5:
            SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 4242);
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
        case WM_COMMAND:
            ++state.commands;
            if (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL)
                EndDialog(hwnd, LOWORD(w) == IDOK ? state.endWith : -7);
            return TRUE;
        default:
            return FALSE;
    }
}

class DialogTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        state = DialogState{};
    }
};

TEST_F(DialogTest, InitDialogArrivesBeforeCreationReturns) {
    HWND dlg = plat::createDialogIndirect(nullptr, sampleTemplate(), nullptr, SampleProc, 99);
    ASSERT_TRUE(dlg);
    EXPECT_EQ(state.initParam, 99);
    EXPECT_EQ(GetWindowLongPtrA(dlg, DWLP_USER), 99);
    auto setFont = std::find(state.seen.begin(), state.seen.end(), static_cast<UINT>(WM_SETFONT));
    auto init = std::find(state.seen.begin(), state.seen.end(), static_cast<UINT>(WM_INITDIALOG));
    EXPECT_LT(setFont - state.seen.begin(), init - state.seen.begin())
        << "the font comes before WM_INITDIALOG";
    EXPECT_FALSE(IsWindowVisible(dlg)) << "the template has no WS_VISIBLE";
    DestroyWindow(dlg);
}

TEST_F(DialogTest, ResultsGoThroughMsgResultExceptDirectOnes) {
    HWND dlg = plat::createDialogIndirect(nullptr, sampleTemplate(WS_VISIBLE), nullptr, SampleProc, 0);
    ASSERT_TRUE(dlg);
    EXPECT_EQ(SendMessageA(dlg, WM_USER + 5, 0, 0), 4242);
    HWND label = GetDlgItem(dlg, 103);
    HDC hdc = GetDC(label);
    EXPECT_EQ(
        SendMessageA(dlg, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(label)),
        reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)))
        << "WM_CTLCOLORSTATIC returns the brush itself";
    ReleaseDC(label, hdc);
    DestroyWindow(dlg);
}

TEST_F(DialogTest, ControlsArePlacedInDialogUnits) {
    HWND dlg = plat::createDialogIndirect(nullptr, sampleTemplate(), nullptr, SampleProc, 0);
    ASSERT_TRUE(dlg);
    RECT du{100, 26, 150, 40};
    ASSERT_TRUE(MapDialogRect(dlg, &du));
    RECT cancel;
    GetWindowRect(GetDlgItem(dlg, IDCANCEL), &cancel);
    MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT *>(&cancel), 2);
    EXPECT_EQ(cancel.left, du.left);
    EXPECT_EQ(cancel.top, du.top);
    EXPECT_EQ(cancel.right, du.right);
    EXPECT_EQ(cancel.bottom, du.bottom);
    RECT unit{0, 0, 4, 8};
    MapDialogRect(dlg, &unit);
    EXPECT_GE(unit.right, 5);
    EXPECT_LE(unit.right, 8);
    EXPECT_GE(unit.bottom, 11);
    EXPECT_LE(unit.bottom, 16);
    RECT client;
    GetClientRect(dlg, &client);
    RECT size{0, 0, 160, 80};
    MapDialogRect(dlg, &size);
    EXPECT_EQ(client.right, size.right) << "the template size is the client size";
    DestroyWindow(dlg);
}

TEST_F(DialogTest, ItemHelpers) {
    HWND dlg = plat::createDialogIndirect(nullptr, sampleTemplate(WS_VISIBLE), nullptr, SampleProc, 0);
    ASSERT_TRUE(dlg);
    EXPECT_EQ(GetDlgCtrlID(GetDlgItem(dlg, 102)), 102);
    EXPECT_EQ(GetDlgItem(dlg, 999), nullptr);
    SetDlgItemTextA(dlg, 103, "Mean:");
    char text[16];
    EXPECT_EQ(GetDlgItemTextA(dlg, 103, text, sizeof text), 5u);
    EXPECT_STREQ(text, "Mean:");
    SetDlgItemInt(dlg, 103, static_cast<UINT>(-12), TRUE);
    BOOL ok = FALSE;
    EXPECT_EQ(static_cast<int>(GetDlgItemInt(dlg, 103, &ok, TRUE)), -12);
    EXPECT_TRUE(ok);
    CheckRadioButton(dlg, 101, 102, 102);
    EXPECT_EQ(IsDlgButtonChecked(dlg, 101), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(IsDlgButtonChecked(dlg, 102), static_cast<UINT>(BST_CHECKED));
    CheckDlgButton(dlg, 101, BST_CHECKED);
    EXPECT_EQ(SendDlgItemMessageA(dlg, 101, BM_GETCHECK, 0, 0), BST_CHECKED);
    DestroyWindow(dlg);
}

TEST_F(DialogTest, ModalLoopDisablesTheOwnerUntilEndDialog) {
    HWND owner = makeTopLevel(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 400, 300);
    state.endWith = 42;
    bool ownerDisabledInside = false;
    int idleCalls = 0;
    HWND dialogSeen = nullptr;
    plat::setModalIdleHandler([&] {
        ++idleCalls;
        dialogSeen = GetActiveWindow();
        ownerDisabledInside = !IsWindowEnabled(owner);
        // The user presses OK.
        return plat::clickWindow(GetDlgItem(dialogSeen, IDOK));
    });
    HWND dlg = plat::createDialogIndirect(nullptr, sampleTemplate(), owner, SampleProc, 0);
    INT_PTR result = plat::runModalDialog(dlg, owner);
    EXPECT_EQ(result, 42);
    EXPECT_EQ(dialogSeen, dlg);
    EXPECT_TRUE(ownerDisabledInside);
    EXPECT_EQ(idleCalls, 1);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(IsWindow(dlg));
    EXPECT_EQ(GetActiveWindow(), owner);
}

TEST_F(DialogTest, ModalLoopWithNothingMoreToComeIsCancelled) {
    HWND owner = makeTopLevel(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 400, 300);
    HWND dlg = plat::createDialogIndirect(nullptr, sampleTemplate(), owner, SampleProc, 0);
    EXPECT_EQ(plat::runModalDialog(dlg, owner), -7);
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(DialogTest, ModelessDialogFromAResourceNameThatDoesNotExistFails) {
    EXPECT_EQ(CreateDialogParamA(nullptr, MAKEINTRESOURCEA(31999), nullptr, SampleProc, 0), nullptr);
    EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(31999), nullptr, SampleProc, 0), -1);
}

}  // namespace
