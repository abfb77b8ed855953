/* The report item "Profile Chart" that the host's report generator asks for pictures. */
#ifndef VOPROF32_EXPORT_REPORT_H
#define VOPROF32_EXPORT_REPORT_H

#include <windows.h>

void ProfileReportRegister(HWND host);
LONG_PTR CALLBACK ProfileReportProc(const DWORD *request, HWND host);

#endif /* VOPROF32_EXPORT_REPORT_H */
