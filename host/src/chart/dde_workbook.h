// Writing the spreadsheet link's workbook: every sheet sent in the session,
// in order, as a new Excel workbook that replaces the old one whole.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "core/host_state.h"

namespace host {

// Writes the workbook to a scratch file in the target's folder, then puts it
// in place with the safe writer; on failure the old workbook stays and the
// message says which file and why. Each sheet's name must be one Excel
// takes (sheetName); its text is cut into cells by sheetCells. `created` stamps the document properties.
std::optional<std::string> writeWorkbook(const std::string &path, const std::vector<SentSheet> &sheets,
                                         bool commaDecimal, std::time_t created);

}  // namespace host
