// The lstr* string functions.
//
// Windows compares with a locale word sort (hyphens and apostrophes count
// less, "co-op" sorts near "coop"); here lstrcmpA/lstrcmpiA compare bytes as
// unsigned values (lstrcmpiA after ASCII lower-casing) and give -1, 0 or 1.
// That orders plain ASCII names as Windows does where the module relies on it
// (equality and case-insensitive equality). A NULL string sorts before every
// other string, and the functions that copy return NULL instead of faulting
// on a NULL pointer, as Windows' guarded versions do.
#include <cstring>

#include <windows.h>

namespace {

int compareBytes(LPCSTR a, LPCSTR b, bool ignoreCase) {
    if (a == nullptr || b == nullptr) return a == b ? 0 : (a == nullptr ? -1 : 1);
    for (;; ++a, ++b) {
        unsigned char ca = static_cast<unsigned char>(*a);
        unsigned char cb = static_cast<unsigned char>(*b);
        if (ignoreCase) {
            if (ca >= 'A' && ca <= 'Z') ca = static_cast<unsigned char>(ca - 'A' + 'a');
            if (cb >= 'A' && cb <= 'Z') cb = static_cast<unsigned char>(cb - 'A' + 'a');
        }
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
}

}  // namespace

extern "C" {

int WINAPI lstrcmpA(LPCSTR lpString1, LPCSTR lpString2) {
    return compareBytes(lpString1, lpString2, false);
}

int WINAPI lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2) {
    return compareBytes(lpString1, lpString2, true);
}

// Copies at most iMaxLength - 1 characters and always terminates the copy.
LPSTR WINAPI lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength) {
    if (lpString1 == nullptr || lpString2 == nullptr) return nullptr;
    if (iMaxLength <= 0) return lpString1;
    int i = 0;
    for (; i < iMaxLength - 1 && lpString2[i] != '\0'; ++i) lpString1[i] = lpString2[i];
    lpString1[i] = '\0';
    return lpString1;
}

LPSTR WINAPI lstrcpyA(LPSTR lpString1, LPCSTR lpString2) {
    if (lpString1 == nullptr || lpString2 == nullptr) return nullptr;
    std::memmove(lpString1, lpString2, std::strlen(lpString2) + 1);
    return lpString1;
}

LPSTR WINAPI lstrcatA(LPSTR lpString1, LPCSTR lpString2) {
    if (lpString1 == nullptr || lpString2 == nullptr) return nullptr;
    std::memmove(lpString1 + std::strlen(lpString1), lpString2, std::strlen(lpString2) + 1);
    return lpString1;
}

int WINAPI lstrlenA(LPCSTR lpString) {
    return lpString == nullptr ? 0 : static_cast<int>(std::strlen(lpString));
}

}  // extern "C"
