// wsprintfA: the Windows formatting subset.
//
// Conversions %d %i %u %x %X %c %s and %%, with the flags '-' (left align),
// '0' (zero fill) and '#' (0x prefix), a width, a precision (minimum digits,
// or maximum characters of %s) and the size prefixes 'h' and 'l'. On Windows
// 'l' means LONG, which is 32 bits, so %ld reads an int here too. There is no
// floating point: Windows copies an unknown conversion such as %f to the
// output as written and takes no argument for it. A NULL %s prints "(null)".
// The output stops at 1023 characters plus the NUL, Windows' 1024-byte limit.
#include <cstdarg>
#include <cstring>
#include <string>

#include <windows.h>

namespace {

constexpr size_t kMaxOutput = 1023;

// The variable arguments, passed by reference so that every conversion
// consumes from the same list whatever va_list is on the target.
struct ArgList {
    va_list list;
};

struct Spec {
    bool left = false;
    bool zero = false;
    bool alternate = false;
    int width = 0;
    int precision = -1;
    char size = 0;  // 'h', 'l' or 0
    char type = 0;
};

// Reads "[flags][width][.precision][h|l]type" after a '%'; returns the
// position after the conversion, or nullptr when the type is not one we know.
const char *parseSpec(const char *p, Spec &spec) {
    for (;; ++p) {
        if (*p == '-')
            spec.left = true;
        else if (*p == '0')
            spec.zero = true;
        else if (*p == '#')
            spec.alternate = true;
        else
            break;
    }
    for (; *p >= '0' && *p <= '9'; ++p) spec.width = spec.width * 10 + (*p - '0');
    if (*p == '.') {
        spec.precision = 0;
        for (++p; *p >= '0' && *p <= '9'; ++p) spec.precision = spec.precision * 10 + (*p - '0');
    }
    if (*p == 'h' || *p == 'l') spec.size = *p++;
    if (std::strchr("diuxXcs", *p) == nullptr || *p == '\0') return nullptr;
    spec.type = *p;
    return p + 1;
}

std::string digitsOf(unsigned value, unsigned base, bool upper) {
    const char *set = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string digits;
    do {
        digits.insert(digits.begin(), set[value % base]);
        value /= base;
    } while (value != 0);
    return digits;
}

// The text of one conversion, before padding to the width; prefix is the
// sign or 0x that zero filling goes after.
void convert(const Spec &spec, ArgList &args, std::string &prefix, std::string &body) {
    switch (spec.type) {
        case 'c':
            body.assign(1, static_cast<char>(va_arg(args.list, int)));
            return;
        case 's': {
            const char *s = va_arg(args.list, const char *);
            body = s ? s : "(null)";
            if (spec.precision >= 0 && body.size() > static_cast<size_t>(spec.precision)) {
                body.resize(static_cast<size_t>(spec.precision));
            }
            return;
        }
        default:
            break;
    }
    unsigned raw = va_arg(args.list, unsigned);
    if (spec.size == 'h')
        raw = spec.type == 'd' || spec.type == 'i'
                  ? static_cast<unsigned>(static_cast<int>(static_cast<short>(raw)))
                  : static_cast<unsigned short>(raw);
    if (spec.type == 'd' || spec.type == 'i') {
        int value = static_cast<int>(raw);
        if (value < 0) prefix = "-";
        body = digitsOf(value < 0 ? 0u - raw : raw, 10, false);
    } else if (spec.type == 'u') {
        body = digitsOf(raw, 10, false);
    } else {
        body = digitsOf(raw, 16, spec.type == 'X');
        if (spec.alternate && raw != 0) prefix = spec.type == 'X' ? "0X" : "0x";
    }
    if (spec.precision >= 0 && body.size() < static_cast<size_t>(spec.precision)) {
        body.insert(0, static_cast<size_t>(spec.precision) - body.size(), '0');
    }
}

void appendPadded(const Spec &spec, const std::string &prefix, const std::string &body, std::string &out) {
    size_t length = prefix.size() + body.size();
    size_t pad = spec.width > 0 && static_cast<size_t>(spec.width) > length ? spec.width - length : 0;
    if (spec.left) {
        out += prefix + body;
        out.append(pad, ' ');
    } else if (spec.zero) {
        out += prefix;
        out.append(pad, '0');
        out += body;
    } else {
        out.append(pad, ' ');
        out += prefix + body;
    }
}

std::string format(const char *format, ArgList &args) {
    std::string out;
    for (const char *p = format; *p != '\0' && out.size() < kMaxOutput;) {
        if (*p != '%') {
            out += *p++;
            continue;
        }
        if (p[1] == '%') {
            out += '%';
            p += 2;
            continue;
        }
        Spec spec;
        const char *next = parseSpec(p + 1, spec);
        if (next == nullptr) {
            out += *p++;  // the '%' of an unknown conversion; the rest follows as text
            continue;
        }
        std::string prefix, body;
        convert(spec, args, prefix, body);
        appendPadded(spec, prefix, body, out);
        p = next;
    }
    if (out.size() > kMaxOutput) out.resize(kMaxOutput);
    return out;
}

}  // namespace

extern "C" int WINAPIV wsprintfA(LPSTR buffer, LPCSTR formatText, ...) {
    if (buffer == nullptr || formatText == nullptr) return 0;
    ArgList args;
    va_start(args.list, formatText);
    std::string text = format(formatText, args);
    va_end(args.list);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<int>(text.size());
}
