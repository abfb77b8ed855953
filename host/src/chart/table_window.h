// The tables shown by TableShow, as the host's own code reads them (the
// TableText statement, tests): what a table holds and how far it is scrolled.
#pragma once

#include <optional>

#include <windows.h>

#include "chart/table_grid.h"

namespace host {

// The table shown over a control of the window (a child or deeper), or null;
// valid until that table changes or closes.
const TableData *tableShownIn(HWND window);

// The first row the table over the control shows (0 at the top), or nullopt
// without a table there.
std::optional<size_t> tableFirstRow(HWND control);

}  // namespace host
