/*
 * The image-window hook. The host offers it the messages of its image windows
 * and its notices about them. The notices are handled here: changed pixels
 * (read again while automatic update is on), a closing image window, the
 * closing of every profile, a suspended mouse, another image in a window, and
 * the activation of an image window. After each paint of the image the overlay
 * is drawn over it; the mouse and the arrow keys move the geometry (mouse.cpp).
 */
#include "frame/exports.h"
#include "frame/profile_record.h"
#include "host/host_services.h"
#include "overlay/mouse.h"
#include "overlay/overlay.h"
#include "window/profile_view.h"

static LONG mouseSuspended;

static struct ProfileRecord *ProfileFindByWindow(HWND window) {
    LONG imageId =
        (LONG)(window ? HostQueryCall(QueryWindowImage, (LPARAM)window) : HostQueryCall(QueryActiveImage, 0));
    return imageId < 0 ? 0 : ProfileFromImage(imageId);
}

static void NudgeByKey(struct ProfileRecord *record, WPARAM key) {
    LONG step = GetKeyState(VK_SHIFT) < 0 ? 10 : 1;
    if (key == VK_LEFT) ProfileNudge(record, -step, 0);
    if (key == VK_UP) ProfileNudge(record, 0, -step);
    if (key == VK_RIGHT) ProfileNudge(record, step, 0);
    if (key == VK_DOWN) ProfileNudge(record, 0, step);
}

static void CloseAllProfiles(void) {
    int slot;
    for (slot = 0; slot < PROFILE_SLOTS; slot++)
        if (profileSlots[slot] && profileSlots[slot]->profileWnd)
            DestroyWindow(profileSlots[slot]->profileWnd);
    if (clientHookId != -1) HostQueryCall(QueryRemoveClientHook, (LPARAM)clientHookId);
    clientHookId = -1;
}

VOPROF_EXPORT LONG CALLBACK ProfileClientProc(HWND window, LONG reserved, LONG phase, UINT message,
                                              WPARAM wParam, LPARAM lParam) {
    struct ProfileRecord *record;
    int slot;
    (void)reserved;
    switch (message) {
        case WM_ENABLE:
            for (slot = 0; slot < PROFILE_SLOTS; slot++)
                if (profileSlots[slot] && profileSlots[slot]->profileWnd)
                    EnableWindow(profileSlots[slot]->profileWnd, (BOOL)wParam);
            return 0;
        case WM_PAINT:
            /* After the host has painted the image, the overlay goes on top. */
            if (phase == 1 && (record = ProfileFindByWindow(window)) && !record->overlayHidden)
                ProfileDrawOverlay(record);
            return 0;
        case WM_SETCURSOR:
            if (!(record = ProfileFindByWindow(window))) return 0;
            return (LONG)ProfileSetCursor(record->thickMode, record->hitCode, record->dragging,
                                          record->geometryCtlId);
        case WM_KEYDOWN:
            if (wParam < VK_LEFT || wParam > VK_DOWN) return 0;
            if ((record = ProfileFindByWindow(window))) NudgeByKey(record, wParam);
            return 1; /* swallowed even over an image without a profile */
        case WM_KEYUP:
            if (wParam < VK_LEFT || wParam > VK_DOWN || !(record = ProfileFindByWindow(window))) return 0;
            ProfileReadAndShow(record);
            ProfileRecordLineMove(record);
            return 0;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            if (phase == 0 || mouseSuspended || !(record = ProfileFindByWindow(window))) return 0;
            return (LONG)ProfileMouse(record, lParam, message);
        case WM_RBUTTONUP:
            HostShowPrompt(0);
            return 0;
        case WM_MDIACTIVATE:
            if ((HWND)lParam == window && (record = ProfileFindByWindow(window))) {
                SetWindowPos(record->profileWnd, HWND_TOP, 0, 0, 0, 0,
                             SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
                currentIndex = record->slotIndex;
            }
            return 0;
        case HostNoticePixelsChanged:
            if ((record = ProfileFindByWindow(window)) && record->autoUpdate) ProfileReadAndShow(record);
            return 0;
        case HostNoticeWindowClosing:
            if ((record = ProfileFindByWindow(window))) DestroyWindow(record->profileWnd);
            return 0;
        case HostNoticeCloseProfiles:
            CloseAllProfiles();
            return 0;
        case HostNoticeMouseSuspend:
            mouseSuspended = (wParam == HostMouseSuspendTool && lParam == 0);
            return 0;
        case HostNoticeImageReplaced: {
            const ImageReplacedNotice *notice = (const ImageReplacedNotice *)lParam;
            record = 0;
            /* The window may already answer with its new image: find the record by its window. */
            for (slot = 0; notice && slot < PROFILE_SLOTS && !record; slot++)
                if (profileSlots[slot] && profileSlots[slot]->imageWnd == notice->window)
                    record = profileSlots[slot];
            if (record) {
                record->imageId = (LONG)notice->imageId;
                ProfileReadAndShow(record);
            }
            return 0;
        }
        default:
            return 0;
    }
}
