// The platform demo: a dialog built from a resource script, driven by the
// input seam as a hand would drive it, drawn headless and written to PNG.
// It shows the Win32 layer at work before the host and the module exist.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <platform/embed.h>
#include <windows.h>

#include "demo_ids.h"

namespace {

std::vector<std::string> events;

// A chart drawn by the dialog into its static control, the way a parent
// draws into a plain static when asked for its colours.
void drawChart(HWND chart, HDC hdc) {
    RECT r;
    GetClientRect(chart, &r);
    FillRect(hdc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RECT plot{r.left + 30, r.top + 10, r.right - 10, r.bottom - 25};
    SelectObject(hdc, GetStockObject(BLACK_PEN));
    MoveToEx(hdc, plot.left, plot.top, nullptr);
    LineTo(hdc, plot.left, plot.bottom);
    LineTo(hdc, plot.right, plot.bottom);
    const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255)};
    const int styles[] = {PS_SOLID, PS_DASH, PS_DOT};
    for (int c = 0; c < 3; ++c) {
        HPEN pen = CreatePen(styles[c], 1, colours[c]);
        HGDIOBJ old = SelectObject(hdc, pen);
        std::vector<POINT> points;
        for (int x = plot.left; x < plot.right; x += 2) {
            double t = (x - plot.left) / 20.0 + c;
            int y = (plot.top + plot.bottom) / 2 - static_cast<int>(std::lround(std::sin(t) * (plot.bottom - plot.top) / 3));
            points.push_back(POINT{x, y});
        }
        Polyline(hdc, points.data(), static_cast<int>(points.size()));
        SelectObject(hdc, old);
        DeleteObject(pen);
    }
    SetBkMode(hdc, TRANSPARENT);
    RECT caption{plot.left, plot.bottom + 4, plot.right, r.bottom};
    DrawTextA(hdc, "Pixel", -1, &caption, DT_CENTER | DT_SINGLELINE);
    // An XOR marker, drawn twice elsewhere to show it leaves no trace.
    HPEN marker = CreatePen(PS_SOLID, 1, RGB(255, 0, 255));
    HGDIOBJ old = SelectObject(hdc, marker);
    SetROP2(hdc, R2_XORPEN);
    for (int x : {plot.left + 40, plot.left + 41, plot.left + 90, plot.left + 90}) {
        MoveToEx(hdc, x, plot.top, nullptr);
        LineTo(hdc, x, plot.bottom);
    }
    SetROP2(hdc, R2_COPYPEN);
    SelectObject(hdc, old);
    DeleteObject(marker);
}

INT_PTR WINAPI DemoProc(HWND dlg, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            CheckRadioButton(dlg, IDC_LINE, IDC_FREEFORM, IDC_LINE);
            for (const char *name : {"Red", "Green", "Blue"})
                SendDlgItemMessageA(dlg, IDC_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
            if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) != IDC_CHART) return FALSE;
            drawChart(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
            return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
        case WM_COMMAND: {
            char line[96];
            snprintf(line, sizeof line, "WM_COMMAND id %u, notification %u", LOWORD(wParam), HIWORD(wParam));
            events.push_back(line);
            if (LOWORD(wParam) == IDM_FREEZE) {
                HMENU menu = GetMenu(dlg);
                UINT state = GetMenuState(menu, IDM_FREEZE, MF_BYCOMMAND);
                CheckMenuItem(menu, IDM_FREEZE, MF_BYCOMMAND | ((state & MF_CHECKED) ? MF_UNCHECKED : MF_CHECKED));
                SetDlgItemTextA(dlg, IDC_MEAN, "127.5");
            }
            return TRUE;
        }
        case WM_INITMENUPOPUP: events.push_back("WM_INITMENUPOPUP"); return TRUE;
        default: return FALSE;
    }
}

bool save(const plat::Image &image, const std::string &path) {
    std::string error;
    if (plat::writePng(image, path, &error)) {
        printf("wrote %s (%d x %d)\n", path.c_str(), image.width, image.height);
        return true;
    }
    fprintf(stderr, "platform-demo: %s\n", error.c_str());
    return false;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc > 1 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        printf("usage: platform-demo [OUTPUT_DIR]\n"
               "Builds a dialog from a resource script, clicks it as a hand would,\n"
               "and writes PNG snapshots of the dialog and the screen to OUTPUT_DIR (default .).\n");
        return 0;
    }
    std::string dir = argc > 1 ? argv[1] : ".";
    plat::setScreenSize(640, 360);
    HWND dlg = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_DEMO), nullptr, DemoProc, 0);
    if (!dlg) {
        fprintf(stderr, "platform-demo: the dialog could not be created\n");
        return 1;
    }
    plat::pumpMessages();
    plat::clickWindow(GetDlgItem(dlg, IDC_CIRCLE));
    plat::clickWindow(GetDlgItem(dlg, IDC_REFERENCE));
    SendDlgItemMessageA(dlg, IDC_LIST, LB_SETCURSEL, 2, 0);
    plat::chooseMenuItem(dlg, IDM_FREEZE);
    plat::pumpMessages();

    printf("The dialog received:\n");
    for (const std::string &e : events) printf("  %s\n", e.c_str());
    printf("Circle %s, Reference %s, Freeze %s\n", IsDlgButtonChecked(dlg, IDC_CIRCLE) ? "checked" : "unchecked",
           IsDlgButtonChecked(dlg, IDC_REFERENCE) ? "checked" : "unchecked",
           (GetMenuState(GetMenu(dlg), IDM_FREEZE, MF_BYCOMMAND) & MF_CHECKED) ? "checked" : "unchecked");
    bool ok = save(*plat::captureWindow(dlg, false), dir + "/platform-demo-dialog.png");
    ok = save(plat::captureScreen(), dir + "/platform-demo-screen.png") && ok;
    DestroyWindow(dlg);
    return ok ? 0 : 1;
}
