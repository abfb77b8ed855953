// The plot order dialog and the Save dialog's option boxes, driven as a hand
// would drive them through the platform's modal loop and input seam.
#include "module_fixture.h"

#include <cstring>

#include <chartw32.h>
#include <platform/embed.h>

#include "sampling/statistics.h"

using testing_support::ModuleTest;

namespace {

std::vector<std::string> listRows(HWND dialog) {
    std::vector<std::string> rows;
    for (int i = 0; i < 3; ++i) {
        char text[136] = "";
        SendDlgItemMessageA(dialog, 201, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        rows.push_back(text);
    }
    return rows;
}

std::vector<DWORD> sequence(const ProfileRecord *r) {
    std::vector<DWORD> plots;
    HPLOT plot = 0;
    while (ChartAttr(r->chartHandle, 0x12, plot, 0, &plot) && plot) plots.push_back(plot);
    return plots;
}

TEST_F(ModuleTest, PlotOrderDialogBringsTheTopRowToTheFront) {
    ProfileRecord *r = profileOn(40, 20, "rgb", "ramp-x");
    ASSERT_NE(r->chartHandle, 0u);
    EXPECT_EQ(ProfileShownChannel(r), 2) << "blue is drawn in front at first";
    std::vector<std::string> seen;
    bool upDisabledOnTop = false;
    int step = 0;
    plat::setModalIdleHandler([&] {
        HWND dialog = GetActiveWindow();
        switch (step++) {
            case 0:
                seen = listRows(dialog);
                SendDlgItemMessageA(dialog, 201, LB_SETCURSEL, 2, 0);
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(201, LBN_SELCHANGE), 0);
                return plat::clickWindow(GetDlgItem(dialog, 1001));
            case 1:
                return plat::clickWindow(GetDlgItem(dialog, 1001));
            case 2:
                upDisabledOnTop = !IsWindowEnabled(GetDlgItem(dialog, 1001));
                return plat::clickWindow(GetDlgItem(dialog, IDOK));
            default:
                return false;
        }
    });
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(200), r->profileWnd,
                                     ProfileOrderDlgProc, reinterpret_cast<LPARAM>(r));
    plat::setModalIdleHandler({});
    EXPECT_EQ(result, 1);
    EXPECT_EQ(seen, (std::vector<std::string>{"Blue", "Green", "Red"}));
    EXPECT_TRUE(upDisabledOnTop);
    EXPECT_EQ(ProfileShownChannel(r), 0) << "red is in front now";
    std::vector<DWORD> expected = {r->livePlots[1],   r->livePlots[2],   r->livePlots[0],
                                   r->frozenPlots[1], r->frozenPlots[2], r->frozenPlots[0]};
    EXPECT_EQ(sequence(r), expected) << "frozen plots follow in the same order";
}

TEST_F(ModuleTest, SaveDialogBoxesFlipTheOptionsEvenWhenCancelled) {
    ProfileRecord *r = profileOn(20, 20, "gray8", "const:3");
    char path[260] = "profile";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = r->profileWnd;
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    ofn.Flags = OFN_ENABLEHOOK;
    ofn.lpfnHook = dlgFileProfOptions;
    for (DWORD data : {1u, 0u}) {
        saveKindIsData = data;
        saveOptions = 0x100;
        bool hasAxisBox = false, headerChecked = false;
        plat::setSaveFileChooser([&](HWND dialog, const OPENFILENAMEA &) -> std::optional<std::string> {
            hasAxisBox = GetDlgItem(dialog, 1236) != nullptr;
            headerChecked = IsDlgButtonChecked(dialog, 1234) == BST_CHECKED;
            plat::clickWindow(GetDlgItem(dialog, 1235));
            return std::nullopt;
        });
        EXPECT_FALSE(GetSaveFileNameA(&ofn));
        EXPECT_EQ(hasAxisBox, data == 1) << "the X-Axis box is for data only";
        EXPECT_TRUE(headerChecked);
        EXPECT_EQ(saveOptions, 0x300) << "the legend stays on after Cancel";
    }
    plat::setSaveFileChooser({});
    saveKindIsData = 1;
    saveOptions = 0x700;
}

}  // namespace
