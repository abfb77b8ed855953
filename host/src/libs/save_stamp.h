// The time saved files are stamped with (the header lines, the workbook's
// properties): SOURCE_DATE_EPOCH (seconds since 1970, UTC) when it is set to
// a number, so that saved files can be reproduced byte for byte; the clock
// otherwise.
#pragma once

#include <ctime>

namespace host {

std::time_t saveStampTime();

}  // namespace host
