// Image > Calibrate Spatial and Calibrate Intensity: modal dialogs with three
// edit boxes each, whose OK gives the statement that applies the values.
#pragma once

#include <optional>
#include <string>

namespace host::frame {

enum class CalibrationKind { Spatial, Intensity };

// The edit boxes, top to bottom: x scale, y scale, unit; or offset, scale, unit.
constexpr int kCalibrationEditIds[] = {110, 111, 112};

// The statement line ("CalSpatial(0.5, 0.5, \"um\")"), or nullopt on Cancel.
// The boxes start with the active image's calibration; OK with a value that
// is not a number names it in a message box and keeps the dialog open.
std::optional<std::string> askCalibration(CalibrationKind kind);

}  // namespace host::frame
