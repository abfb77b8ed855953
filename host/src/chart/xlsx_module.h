// The workbook writer module (libvoworkbook.so): the one part of the host
// that needs libxlsxwriter, which brings zip and crypto libraries with it.
// The host loads it the first time a workbook is written, so that sessions
// that never write one neither load those libraries nor hold their pages.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "chart/dde_sheet.h"

namespace host {

struct XlsxSheet {
    std::string name;
    SheetRows rows;
};

// The module's entry point: writes a new workbook of the sheets to `path`
// and returns true, or false with the reason in `problem`. Plain C linkage
// so that the host finds it by name; the arguments are the host's own types,
// as both are built together.
using XlsxWriteProc = bool (*)(const char *path, const std::vector<XlsxSheet> *sheets, std::time_t created,
                               std::string *problem);

inline constexpr char kXlsxModuleFile[] = "libvoworkbook.so";
inline constexpr char kXlsxWriteEntry[] = "voWriteXlsx";

}  // namespace host
