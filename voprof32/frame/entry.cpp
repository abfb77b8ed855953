/*
 * The module's front door: the load and unload of the module, and
 * InterfaceFunction, which raises the existing profile window of the active
 * image or builds a new profile: record, settings, chart, default line,
 * reading, statistics, overlay, the "VoProfCreate()" statement and the window.
 */
#include <string.h>

#include <miscfn32.h>
#include <pixbuf32.h>

#include "chart/profile_chart.h"
#include "export/report.h"
#include "frame/exports.h"
#include "frame/macro_codes.h"
#include "frame/profile_record.h"
#include "frame/resource_strings.h"
#include "frame/settings.h"
#include "host/host_services.h"
#include "overlay/geometry.h"
#include "overlay/overlay.h"
#include "sampling/profile_prepare.h"
#include "sampling/profile_sampling.h"
#include "sampling/statistics.h"

VOPROF_EXPORT BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        moduleInstance = module;
        memset(profileSlots, 0, sizeof profileSlots);
        endPointCursor = LoadCursorA(moduleInstance, "EPMOVECUR");
        if (!endPointCursor) {
            MessageBeep(0xFFFFFFFF);
            endPointCursor = LoadCursorA(0, MAKEINTRESOURCEA(MoveCursorId()));
        }
    } else if (reason == DLL_PROCESS_DETACH) {
        if (endPointCursor) DestroyCursor(endPointCursor);
        endPointCursor = 0;
    }
    return TRUE;
}

static int FindFreeSlot(void) {
    int slot;
    for (slot = 0; slot < PROFILE_SLOTS; slot++)
        if (!profileSlots[slot]) return slot;
    return -1;
}

static void InstallHookOnce(void) {
    char path[MAX_PATH];
    ClientHookBlock block;
    if (clientHookId != -1) return;
    path[0] = 0;
    HostQueryCall(QueryIniPath, (LPARAM)path);
    exportNumberFlags = GetPrivateProfileIntA("DDEEXCEL", "Comma", 0, path) ? S_COMMA : 0;
    block.kind = 1;
    block.proc = ProfileClientProc;
    clientHookId = (LONG)HostQueryCall(QueryInstallClientHook, (LPARAM)&block);
}

static struct ProfileRecord *NewRecord(HWND host) {
    struct ProfileRecord *record =
        (struct ProfileRecord *)MemAllocBlock(MEMBLOCK_MOVEABLE, sizeof(struct ProfileRecord));
    if (!record) return 0;
    memset(record, 0, sizeof *record);
    record->hostWnd = host;
    record->colorModel = 1;
    record->spatialCalOn = 1;
    record->intensityCalOn = 1;
    record->thickMode = 0;
    record->thickFunction = 3;
    return record;
}

static void ReadImageFacts(struct ProfileRecord *record) {
    WORD size[2] = {0, 0};
    ImgGetInfo(record->imageId, IMGINFO_CLASS, 0, 0, &record->imageClass);
    ImgGetInfo(record->imageId, IMGINFO_SIZE, 0, 0, size);
    record->imageWidth = size[0];
    record->imageHeight = size[1];
    record->channelCount = record->imageClass == IMAGECLASS_RGB ? 3 : 1;
}

/* The last used line when it lies inside the visible part of the image, else
 * a line from one tenth to three tenths of the visible area. */
static void ChooseDefaultLine(struct ProfileRecord *record) {
    RECT client;
    POINT corners[2];
    LONG left, top, right, bottom, w, h;
    GetClientRect(record->imageWnd, &client);
    corners[0].x = client.left, corners[0].y = client.top;
    corners[1].x = client.right, corners[1].y = client.bottom;
    WindowToImage(record->imageWnd, corners, corners, 2);
    left = corners[0].x, top = corners[0].y, right = corners[1].x, bottom = corners[1].y;
    if (record->imageWidth <= right) right = record->imageWidth - 1;
    if (lastGeometry[2] >= record->imageWidth || lastGeometry[3] >= record->imageHeight) lastGeometry[0] = -1;
    if (lastGeometry[0] >= 0 && lastGeometry[2] > left && lastGeometry[0] < right && lastGeometry[3] > top &&
        lastGeometry[1] < bottom)
        return;
    w = right - left + 1;
    h = bottom - top + 1;
    lastGeometry[0] = left + MulDiv(w, 1, 10);
    lastGeometry[1] = top + MulDiv(h, 1, 10);
    lastGeometry[2] = left + MulDiv(w, 3, 10);
    lastGeometry[3] = top + MulDiv(h, 3, 10);
}

static void ReleaseRecord(struct ProfileRecord *record) {
    if (record->chartHandle) ChartDestroy(record->chartHandle);
    record->chartHandle = 0;
    if (record->samples) MemFreeBlock(record->samples);
    if (record->distances) MemFreeBlock(record->distances);
    if (record->referenceSamples) MemFreeBlock(record->referenceSamples);
    if (record->frozenSamples) MemFreeBlock(record->frozenSamples);
    MemFreeBlock(record);
}

VOPROF_EXPORT LONG WINAPI InterfaceFunction(LONG_PTR a1, HWND host, LONG_PTR a3, LONG_PTR a4, LONG_PTR a5,
                                            LONG_PTR a6, LONG_PTR a7) {
    struct ProfileRecord *record;
    HWND imageWnd;
    LONG imageId;
    int slot;
    (void)a1, (void)a3, (void)a4, (void)a5, (void)a7;
    hostWindow = host;
    if (!reportRegistration) {
        ProfileReportRegister(host);
        if (a6 == -1) return 1;
    }
    imageWnd = (HWND)HostQueryCall(QueryImageWindow, 0);
    imageId = (LONG)HostQueryCall(QueryActiveImage, 0);
    if (imageId < 0) return 0;
    slot = ProfileSlotOfImage(imageId);
    if (slot >= 0) {
        SetWindowPos(profileSlots[slot]->profileWnd, 0, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
        currentIndex = profileSlots[slot]->slotIndex;
        return 1;
    }
    slot = FindFreeSlot();
    if (slot < 0) return 0;
    InstallHookOnce();
    record = NewRecord(host);
    if (!record) return 0;
    LoadProfileSettings(host, record);
    /* A geometry the settings file names that does not exist opens as a line, the type it counts as. */
    if (record->geometryCtlId < GEOMETRY_LINE || record->geometryCtlId > GEOMETRY_FREEFORM)
        record->geometryCtlId = GEOMETRY_LINE;
    record->geometryType = record->geometryCtlId == GEOMETRY_CIRCLE     ? 1
                           : record->geometryCtlId == GEOMETRY_FREEFORM ? 2
                                                                        : 0;
    record->slotIndex = (WORD)slot;
    record->imageWnd = imageWnd;
    record->imageId = imageId;
    ReadImageFacts(record);
    ProfileSetUpTemplates();
    if (record->geometryCtlId != GEOMETRY_FREEFORM) ProfileChartCreate(record);
    ChooseDefaultLine(record);
    if (record->geometryCtlId != GEOMETRY_FREEFORM) {
        LONG proposed[4] = {lastGeometry[0], lastGeometry[1], lastGeometry[2], lastGeometry[3]};
        /* A band (thick mode from the settings) is held with its corners in order; the last line
         * may run in any direction. */
        if (record->thickMode != 0) NormaliseRect(proposed);
        if (!ProfilePrepare(record, proposed)) {
            ReleaseRecord(record);
            return 0;
        }
        ProfilePlotNames(record);
        ProfileRead(record);
        ProfileStatistics(record);
        ProfileDrawOverlay(record);
    }
    HostRecordStatement("VoProfCreate()");
    currentIndex = slot;
    profileSlots[slot] = record;
    record->profileWnd = CreateDialogParamA(moduleInstance, MAKEINTRESOURCEA(IDD_PROFILE), host,
                                            ProfileMainDlgProc, (LPARAM)record);
    if (!record->profileWnd) {
        profileSlots[slot] = 0;
        ReleaseRecord(record);
        return 0;
    }
    return 1;
}
