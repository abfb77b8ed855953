// Fuzz target of the macro parser (host/src/macro/parser.h).
#pragma once

#include <cstddef>
#include <cstdint>

// Any byte sequence must parse to statements or to an error that points into
// the text, and every statement must read back the same from the text
// traces print; a violation aborts with a message (as libFuzzer expects).
int fuzzMacro(const uint8_t *data, size_t size);
