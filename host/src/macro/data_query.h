// VoProfGet: the output buffer of a data query and the line printed from it.
//
// The line is the result code, then each output value, separated by single
// spaces: code 100 and 109 one unsigned 16-bit value, 102 four 32-bit
// integers, 103 five floats, 104 the floats the plug-in wrote (at most the n
// asked for), 105 eight floats. Floats print as %.9g. A negative result, or
// a code without outputs, prints the result alone.
//
// How many floats code 104 wrote: the host fills the buffer with a marker
// before the call, and the values are those in front of the first float that
// still holds it. The plug-in writes fewer than n when the profile has fewer
// values, so the line shows exactly what it returned.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

namespace host::macro {

class DataQueryBuffer {
public:
    // Room for any query: code 104 may write up to 32767 floats (its n is 16-bit).
    DataQueryBuffer();
    void *data() { return words_.data(); }

    // The line VoProfGet prints for code (with argument) answered with result.
    std::string format(LONG result, long code, long argument) const;

private:
    uint16_t word() const;
    int32_t integer(size_t index) const;
    float real(size_t index) const;
    bool written(size_t index) const;

    std::vector<uint32_t> words_;
};

}  // namespace host::macro
