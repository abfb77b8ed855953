# MISCFN32 and REPGEN32 (paths relative to host/).
list(APPEND VO_HOST_SOURCES
  src/libs/miscfn32.cpp
  src/libs/repgen32.cpp)
