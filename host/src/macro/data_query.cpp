// The VoProfGet output buffer and the line printed from it.
#include "macro/data_query.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace host::macro {
namespace {

// A quiet NaN with a payload no sample narrowed from a double carries.
constexpr uint32_t kUnwritten = 0x7FC0DEADu;
constexpr size_t kMaxValues = 32767;

std::string realText(float value) {
    char text[32];
    std::snprintf(text, sizeof text, " %.9g", static_cast<double>(value));
    return text;
}

}  // namespace

DataQueryBuffer::DataQueryBuffer() : words_(kMaxValues + 8, kUnwritten) {}

uint16_t DataQueryBuffer::word() const {
    uint16_t value;
    std::memcpy(&value, words_.data(), sizeof value);
    return value;
}

int32_t DataQueryBuffer::integer(size_t index) const {
    int32_t value;
    std::memcpy(&value, &words_[index], sizeof value);
    return value;
}

float DataQueryBuffer::real(size_t index) const {
    float value;
    std::memcpy(&value, &words_[index], sizeof value);
    return value;
}

bool DataQueryBuffer::written(size_t index) const {
    return words_[index] != kUnwritten;
}

std::string DataQueryBuffer::format(LONG result, long code, long argument) const {
    std::string line = std::to_string(result);
    if (result < 0) return line;
    switch (code) {
        case 100:
        case 109:
            return line + " " + std::to_string(word());
        case 102:
            for (size_t i = 0; i < 4; ++i) line += " " + std::to_string(integer(i));
            return line;
        case 103:
        case 105:
            for (size_t i = 0; i < (code == 103 ? 5u : 8u); ++i) line += realText(real(i));
            return line;
        case 104: {
            const size_t asked = static_cast<size_t>(std::clamp<long>(argument, 0, kMaxValues));
            for (size_t i = 0; i < asked && written(i); ++i) line += realText(real(i));
            return line;
        }
        default:
            return line;
    }
}

}  // namespace host::macro
