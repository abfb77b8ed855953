// LoadStringA over the compiled string tables.
#include <algorithm>
#include <cstring>

#include "internal/resources.h"

// Windows semantics: at most cchBufferMax - 1 characters and a terminating NUL
// are copied and the number of characters copied is returned; a missing
// string gives 0 and an empty buffer. cchBufferMax 0 is the read-only form:
// a pointer to the string itself (here NUL-terminated, unlike on Windows) is
// stored in the buffer, and its length returned.
extern "C" int WINAPI LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax) {
    if (lpBuffer == nullptr || cchBufferMax < 0) return 0;
    const std::string *text = plat::res::findString(hInstance, uID);
    if (cchBufferMax == 0) {
        if (text == nullptr) return 0;
        const char *pointer = text->c_str();
        std::memcpy(lpBuffer, &pointer, sizeof pointer);
        return static_cast<int>(text->size());
    }
    if (text == nullptr) {
        lpBuffer[0] = '\0';
        return 0;
    }
    const size_t count = std::min(text->size(), static_cast<size_t>(cchBufferMax - 1));
    std::memcpy(lpBuffer, text->data(), count);
    lpBuffer[count] = '\0';
    return static_cast<int>(count);
}
