/* Wrappers of the host window messages. */
#include "host/host_services.h"

#include "frame/profile_record.h"

LRESULT HostQueryCall(WPARAM code, LPARAM argument) {
    return SendMessageA(hostWindow, HostQuery, code, argument);
}

void HostRecordStatement(const char *statement) {
    SendMessageA(hostWindow, HostRecordMacro, 0, (LPARAM)statement);
}

void HostShowPrompt(const char *text) {
    if (text)
        SendMessageA(hostWindow, HostPrompt, 0, (LPARAM)text);
    else
        SendMessageA(hostWindow, HostPrompt, (WPARAM)-1, 0);
}

void HostShowStatus(const char *text) {
    HostQueryCall(QueryStatusText, (LPARAM)text);
}

void ImageToWindow(HWND window, POINT *imagePoints, POINT *windowPoints, LONG count) {
    PointConversionBlock block = {window, imagePoints, windowPoints, count};
    HostQueryCall(QueryImageToWindow, (LPARAM)&block);
}

void WindowToImage(HWND window, POINT *windowPoints, POINT *imagePoints, LONG count) {
    PointConversionBlock block = {window, imagePoints, windowPoints, count};
    HostQueryCall(QueryWindowToImage, (LPARAM)&block);
}
