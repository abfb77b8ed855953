// The spreadsheet link's settings in the host's INI file: section "DDE",
// keys "Workbook" (default "profile-data.xlsx", in the current folder) and
// "OpenAfterSend" (0 or 1); and the decimal comma of the exported numbers,
// "Comma" in section "DDEEXCEL". Without an INI file the defaults hold and
// nothing is saved.
#pragma once

#include <string>

namespace host {

inline constexpr const char *kDefaultWorkbook = "profile-data.xlsx";

struct DdeSettings {
    std::string workbook = kDefaultWorkbook;
    bool openAfterSend = false;
};

DdeSettings readDdeSettings();
// False when the INI file could not be written (or there is none).
bool saveDdeSettings(const DdeSettings &settings);

// Whether the exported numbers use ',' as their decimal separator.
bool ddeCommaDecimal();

}  // namespace host
