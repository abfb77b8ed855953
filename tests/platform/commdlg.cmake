# Tests of platform/src/commdlg: the Save and Open dialogs.
vo_add_test(commdlg_test
  commdlg_path_test.cpp
  commdlg_save_dialog_test.cpp
  commdlg_open_dialog_test.cpp
  LIBS voplatform_internal)
