/*
 * The report item. The first InterfaceFunction call registers it; a failed
 * registration is tried again on every later call. The report generator then
 * asks whether an item is available for the active image, for the item's
 * name, or for a picture of the chart.
 */
#include "export/report.h"

#include <string.h>

#include <chartw32.h>
#include <repgen32.h>

#include "frame/profile_record.h"
#include "frame/resource_strings.h"
#include "host/host_services.h"

static const char kItemName[] = "Profile Chart";

void ProfileReportRegister(HWND host) {
    ReportItemSpec spec;
    memset(&spec, 0, sizeof spec);
    spec.version = 1;
    strcpy(spec.name, kItemName);
    strncpy(spec.menuText, LoadResString(IDS_REPORT_MENU), sizeof spec.menuText - 1);
    strncpy(spec.description, LoadResString(IDS_REPORT_DESCRIPTION), sizeof spec.description - 1);
    spec.flags = 1;
    reportRegistration = ReportRegister(&spec);
    if (reportRegistration) ReportSetCallback((HREPORTITEM)reportRegistration, ProfileReportProc, host, 0, 0);
}

LONG_PTR CALLBACK ProfileReportProc(const DWORD *request, HWND host) {
    HWND active = GetActiveWindow();
    LONG imageId = (LONG)SendMessageA(host, HostQuery, QueryActiveImage, 0);
    struct ProfileRecord *record = imageId < 0 ? 0 : ProfileFromImage(imageId);
    if (!record) return 0;
    if (request[0] == 0) return 1;
    if (request[1] == 1) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, sizeof kItemName);
        char *text = block ? (char *)GlobalLock(block) : 0;
        if (text) {
            memcpy(text, kItemName, sizeof kItemName);
            GlobalUnlock(block);
        }
        return (LONG_PTR)block;
    }
    if (!record->chartHandle) return 0;
    {
        HWND chart = GetDlgItem(record->profileWnd, IDC_CHART);
        RECT rect;
        HGLOBAL picture;
        GetClientRect(chart, &rect);
        picture = ChartMakePicture(record->chartHandle, chart, &rect);
        if (active) SetWindowPos(active, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        return (LONG_PTR)picture;
    }
}
