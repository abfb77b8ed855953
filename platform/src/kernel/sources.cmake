# Sources of platform/src/kernel (paths relative to platform/).
list(APPEND VO_PLATFORM_SOURCES
  src/kernel/clipboard.cpp
  src/kernel/file_bytes.cpp
  src/kernel/global_memory.cpp
  src/kernel/ini_document.cpp
  src/kernel/last_error.cpp
  src/kernel/large_blocks.cpp
  src/kernel/lfile.cpp
  src/kernel/beep.cpp
  src/kernel/mul_div.cpp
  src/kernel/profile.cpp
  src/kernel/safe_file.cpp
  src/kernel/strings.cpp
  src/kernel/temp_file.cpp
  src/kernel/wsprintf.cpp
)
