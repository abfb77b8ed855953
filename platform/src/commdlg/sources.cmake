# Sources of platform/src/commdlg (paths relative to platform/).
list(APPEND VO_PLATFORM_SOURCES
  src/commdlg/chosen_path.cpp
  src/commdlg/file_dialog.cpp
  src/commdlg/file_dialog_template.cpp
  src/commdlg/folder_listing.cpp
  src/commdlg/folder_view.cpp
)
