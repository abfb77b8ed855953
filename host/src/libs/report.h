// The host's report command: asks every item registered with REPGEN32 for
// its picture and writes the pictures and a list of them to a directory.
#pragma once

#include <string>

namespace host {

// For each item in registration order: asks whether it is available (request
// words 0, 0), for its name (1, 1) and for its picture (1, 2). A picture (a
// global block holding a CF_DIB: BITMAPINFOHEADER and 24- or 32-bit BI_RGB
// rows) is written as "<directory>/<name>.png", the name's '/' and '\' made
// '_'. "report.txt" in the directory lists one line per item:
// "<name>\t<file name>", or "<name>\tnot available" / "<name>\tno picture".
// False, with the reason in *error, when a file cannot be written.
bool writeReport(const std::string &directory, std::string *error);

}  // namespace host
