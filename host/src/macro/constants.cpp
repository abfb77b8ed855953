// The table of the macro language's symbolic constants and their values.
#include "macro/constants.h"

namespace host::macro {
namespace {

constexpr NamedConstant kConstants[] = {
    // Attributes of VoProfSetAttr and their values.
    {"COLORMODEL", 100},
    {"CM_RGB", 0},
    {"CM_HSI", 1},
    {"CM_HSV", 2},
    {"CM_YIQ", 3},
    {"AUTOUPDATE", 102},
    {"SCAL", 103},
    {"ICAL", 104},
    {"LINETYPE", 106},
    {"THICKNORMAL", 0},
    {"THICKHORZ", 1},
    {"THICKVERT", 2},
    {"THICKAVG", 3},
    {"THICKSTDDEV", 4},
    {"STATISTICS", 111},
    {"ORIGIN", 112},
    {"GRID", 113},
    {"REFERENCE", 114},
    {"FREEZE", 115},
    {"CHANNEL1", 120},
    {"CHANNEL2", 121},
    {"CHANNEL3", 122},
    {"LINEGEOMETRY", 127},
    {"PROFTYPE_LINE", 1016},
    {"PROFTYPE_CIRCLE", 1017},
    {"PROFTYPE_FREEFORM", 1018},
    // Save flags of VoProfSave.
    {"S_APPEND", 0x1},
    {"S_STATS", 0x2},
    {"S_DATA", 0x4},
    {"S_CLIPBOARD", 0x10},
    {"S_HEADER", 0x100},
    {"S_LEGEND", 0x200},
    {"S_X_AXIS", 0x400},
    {"S_DDE", 0x1000},
};

}  // namespace

std::optional<long> constantValue(std::string_view name) {
    for (const NamedConstant &constant : kConstants)
        if (name == constant.name) return constant.value;
    return std::nullopt;
}

}  // namespace host::macro
