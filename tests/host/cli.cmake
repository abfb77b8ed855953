# The voprof program run as a child process: interruption by signals.
vo_add_test(cli_test cli_interrupt_test.cpp)
target_compile_definitions(cli_test PRIVATE VOPROF="$<TARGET_FILE:voprof>")
add_dependencies(cli_test voprof)
