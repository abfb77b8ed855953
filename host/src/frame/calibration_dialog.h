// Image > Calibrate Spatial and Calibrate Intensity: modal dialogs with three
// edit boxes each, whose OK gives the statement that applies the values.
#pragma once

#include <optional>
#include <string>

namespace host::frame {

enum class CalibrationKind { Spatial, Intensity };

// The statement line ("CalSpatial(0.5, 0.5, \"um\")"), or nullopt on Cancel.
// The boxes start with the active image's calibration; OK with a value that
// is not a number names it in a message box and keeps the dialog open.
std::optional<std::string> askCalibration(CalibrationKind kind);

}  // namespace host::frame
