// Fuzz target of the INI file model (platform/src/kernel/ini_document.h).
#pragma once

#include <cstddef>
#include <cstdint>

// Any byte sequence must parse, serialise back unchanged and stay consistent
// under edits; a violation aborts with a message (as libFuzzer expects).
int fuzzIni(const uint8_t *data, size_t size);
