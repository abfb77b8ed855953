// The calibration dialogs, real platform dialogs built from a template in
// code. They only read numbers; whether the values make a valid calibration
// (a scale of zero, a unit too long) is the statement's check, so the menu
// and a script refuse the same values with the same message.
#include "frame/calibration_dialog.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "core/host_dialog.h"
#include "core/image_store.h"
#include "frame/frame_state.h"
#include "frame/host_statement.h"
#include "internal/dialog.h"
#include "window/image_window.h"

namespace host::frame {
namespace {

constexpr int kFirstLabelId = 100;
constexpr int kFirstEditId = kCalibrationEditIds[0];
constexpr int kFieldCount = 3;
constexpr int kNumberFields = 2;  // the unit, last, is text

struct Labels {
    const char *caption;
    const char *statement;
    const char *fields[kFieldCount];
};

constexpr Labels kSpatial{"Calibrate Spatial",
                          "CalSpatial",
                          {"&X scale (units per pixel):", "&Y scale (units per pixel):", "&Unit:"}};
constexpr Labels kIntensity{"Calibrate Intensity", "CalIntensity", {"&Offset:", "&Scale:", "&Unit:"}};

struct DialogData {
    const Labels *labels;
    std::string initial[kFieldCount];
    std::string line;  // the statement, once OK accepted the values
};

plat::res::DialogTemplate calibrationTemplate(const Labels &labels) {
    plat::res::DialogTemplate t = modalDialogTemplate(labels.caption, 40, 40, 220, 70);
    for (int i = 0; i < kFieldCount; ++i) {
        const short y = static_cast<short>(7 + 20 * i);
        t.controls.push_back(
            plat::res::childControl("static", labels.fields[i], kFirstLabelId + i, SS_LEFT, 7, y + 2, 90, 9));
        t.controls.push_back(plat::res::childControl(
            "edit", "", kFirstEditId + i, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 100, y, 60, 12));
    }
    addOkCancel(t, 166, 47);
    return t;
}

// A finite number written alone (spaces around it allowed).
std::optional<double> parseNumber(const std::string &text) {
    const char *begin = text.c_str();
    char *end = nullptr;
    errno = 0;
    const double value = std::strtod(begin, &end);
    if (end == begin || errno == ERANGE || !std::isfinite(value)) return std::nullopt;
    while (*end == ' ' || *end == '\t') ++end;
    if (*end != '\0') return std::nullopt;
    return value;
}

// The statement for the boxes' values, or a message naming the first bad one.
bool acceptValues(HWND dialog, DialogData &data) {
    const Labels &labels = *data.labels;
    std::string line = std::string(labels.statement) + "(";
    for (int i = 0; i < kNumberFields; ++i) {
        const std::string text = host::dialogItemText(dialog, kFirstEditId + i);
        std::optional<double> value = parseNumber(text);
        if (!value) {
            std::string field = labels.fields[i];
            std::erase(field, '&');
            MessageBoxA(dialog, ("'" + text + "' is not a number (" + field + ")").c_str(), labels.caption,
                        MB_OK | MB_ICONEXCLAMATION);
            SetFocus(GetDlgItem(dialog, kFirstEditId + i));
            return false;
        }
        line += numberArgument(*value) + ", ";
    }
    data.line = line + quotedArgument(host::dialogItemText(dialog, kFirstEditId + kNumberFields)) + ")";
    return true;
}

INT_PTR CALLBACK calibrationProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        auto *data = reinterpret_cast<DialogData *>(lParam);
        for (int i = 0; i < kFieldCount; ++i)
            SetDlgItemTextA(dialog, kFirstEditId + i, data->initial[i].c_str());
        return TRUE;
    }
    auto *data = reinterpret_cast<DialogData *>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (message != WM_COMMAND || !data) return FALSE;
    switch (LOWORD(wParam)) {
        case IDOK:
            if (acceptValues(dialog, *data)) EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
    }
}

// The boxes start with the image's calibration, or the identity.
void fillInitial(CalibrationKind kind, DialogData &data) {
    const Image *image = images().find(activeImageId());
    if (kind == CalibrationKind::Spatial) {
        const bool has = image && image->spatial;
        data.initial[0] = numberArgument(has ? image->spatial->xScale : 1.0);
        data.initial[1] = numberArgument(has ? image->spatial->yScale : 1.0);
        data.initial[2] = has ? image->spatial->unit : "pixel";
    } else {
        const bool has = image && image->intensity;
        data.initial[0] = numberArgument(has ? image->intensity->offset : 0.0);
        data.initial[1] = numberArgument(has ? image->intensity->scale : 1.0);
        data.initial[2] = has ? image->intensity->unit : "";
    }
}

}  // namespace

std::optional<std::string> askCalibration(CalibrationKind kind) {
    DialogData data{kind == CalibrationKind::Spatial ? &kSpatial : &kIntensity, {}, {}};
    fillInitial(kind, data);
    HWND owner = frameState().window;
    HWND dialog = plat::createDialogIndirect(nullptr, calibrationTemplate(*data.labels), owner,
                                             calibrationProc, reinterpret_cast<LPARAM>(&data));
    if (!dialog) return std::nullopt;
    if (plat::runModalDialog(dialog, owner) != IDOK) return std::nullopt;
    return data.line;
}

}  // namespace host::frame
