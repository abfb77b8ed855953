# Tests of the menu API (platform/src/menu).
vo_add_test(menu_test menu_api_test.cpp LIBS voplatform_internal)
