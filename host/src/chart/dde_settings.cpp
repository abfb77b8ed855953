// Reading and saving the spreadsheet link's settings.
#include "chart/dde_settings.h"

#include <windows.h>

#include "core/host_state.h"

namespace host {

namespace {

constexpr const char *kSection = "DDE";

}  // namespace

DdeSettings readDdeSettings() {
    DdeSettings settings;
    const std::string &ini = state().iniPath;
    if (ini.empty()) return settings;
    char path[MAX_PATH] = "";
    GetPrivateProfileStringA(kSection, "Workbook", kDefaultWorkbook, path, sizeof path, ini.c_str());
    if (path[0]) settings.workbook = path;
    settings.openAfterSend = GetPrivateProfileIntA(kSection, "OpenAfterSend", 0, ini.c_str()) != 0;
    return settings;
}

bool saveDdeSettings(const DdeSettings &settings) {
    const std::string &ini = state().iniPath;
    if (ini.empty()) return false;
    return WritePrivateProfileStringA(kSection, "Workbook", settings.workbook.c_str(), ini.c_str()) &&
           WritePrivateProfileStringA(kSection, "OpenAfterSend", settings.openAfterSend ? "1" : "0",
                                      ini.c_str());
}

bool ddeCommaDecimal() {
    const std::string &ini = state().iniPath;
    return !ini.empty() && GetPrivateProfileIntA("DDEEXCEL", "Comma", 0, ini.c_str()) != 0;
}

}  // namespace host
