# The host window as the desktop frame: menus, status line, file and
# calibration dialogs, macro recording and playing (paths relative to host/).
list(APPEND VO_HOST_SOURCES
  src/frame/calibration_dialog.cpp
  src/frame/file_choice.cpp
  src/frame/frame_actions.cpp
  src/frame/frame_menu.cpp
  src/frame/frame_window.cpp
  src/frame/host_statement.cpp
  src/frame/macro_recording.cpp
  src/frame/status_line.cpp)
# The calibration dialogs are built from templates, through an internal
# header of the platform that only that file needs.
set_source_files_properties(src/frame/calibration_dialog.cpp PROPERTIES
  INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/platform/src)
