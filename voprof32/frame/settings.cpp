/*
 * Settings in section "PROFLIB" of the host's INI file, whose path the host is
 * asked for at every read and write. A missing file or key gives the
 * defaults; 16-bit fields keep the low 16 bits of what is read.
 */
#include "frame/settings.h"

#include <stdio.h>

#include "frame/profile_record.h"
#include "host/host_services.h"

static const char *kSection = "PROFLIB";

static void IniPath(char *path) {
    path[0] = 0;
    HostQueryCall(QueryIniPath, (LPARAM)path);
}

static UINT ReadKey(const char *path, const char *key, int fallback) {
    return GetPrivateProfileIntA(kSection, key, fallback, path);
}

static void WriteKey(const char *path, const char *key, const char *format, unsigned value) {
    char text[16];
    snprintf(text, sizeof text, format, value);
    WritePrivateProfileStringA(kSection, key, text, path);
}

void LoadProfileSettings(HWND host, struct ProfileRecord *record) {
    char path[MAX_PATH];
    (void)host;
    IniPath(path);
    saveOptions = (WORD)(ReadKey(path, "SaveHeader", 0) & 0xFF00);
    statsModeDefault = (WORD)ReadKey(path, "Display", 2);
    if (!record) return;
    record->geometryCtlId = (WORD)ReadKey(path, "ProfileType", GEOMETRY_LINE);
    record->spatialCalOn = ReadKey(path, "SCalib", 1);
    record->intensityCalOn = ReadKey(path, "ICalib", 1);
    record->thickMode = (WORD)ReadKey(path, "ProfType", 0);
    record->thickFunction = (WORD)ReadKey(path, "ThickFunc", 3);
    record->colorModel = ReadKey(path, "ColorMode", 0);
    record->fullScale = ReadKey(path, "FullScale", 0);
}

void SaveProfileSettings(HWND host, struct ProfileRecord *record) {
    char path[MAX_PATH];
    (void)host;
    IniPath(path);
    WriteKey(path, "SaveHeader", "%u", saveOptions);
    WriteKey(path, "Display", "%d", statsModeDefault);
    if (!record) return;
    WriteKey(path, "ProfileType", "%d", record->geometryCtlId);
    WriteKey(path, "SCalib", "%d", record->spatialCalOn);
    WriteKey(path, "ICalib", "%d", record->intensityCalOn);
    WriteKey(path, "ProfType", "%d", record->thickMode);
    WriteKey(path, "ThickFunc", "%d", record->thickFunction);
    WriteKey(path, "ColorMode", "%d", record->colorModel);
    WriteKey(path, "FullScale", "%d", record->fullScale);
}
