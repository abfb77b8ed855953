// The private profile (INI file) functions. Every call reads the file afresh
// and a write replaces it at once through the safe writer, so the file on
// disk is always current and a failed write leaves it as it was, other
// sections included. Inside a plat::ProfileWriteBatch the changed files are
// held in memory (reads see them) and each is replaced once when the batch
// ends. Paths are plain POSIX paths.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>

#include "kernel/file_bytes.h"
#include "kernel/ini_document.h"
#include "kernel/win_errors.h"
#include "platform/files.h"

namespace {

using plat::ini::Document;

// The files changed inside the open batches, by path, not yet written.
struct PendingWrites {
    int depth = 0;
    std::map<std::string, Document> documents;
};

PendingWrites &pending() {
    static PendingWrites writes;
    return writes;
}

std::optional<Document> loadDocument(LPCSTR fileName) {
    if (fileName == nullptr) return std::nullopt;
    if (auto it = pending().documents.find(fileName); it != pending().documents.end()) return it->second;
    std::optional<std::string> bytes = plat::readFileBytes(fileName);
    if (!bytes) return std::nullopt;
    return Document::parse(*bytes);
}

// The first failed write since plat::takeProfileWriteFailure last looked.
std::optional<plat::FileError> &profileWriteFailure() {
    static std::optional<plat::FileError> failure;
    return failure;
}

BOOL failWrite(const plat::FileError &error) {
    if (!profileWriteFailure()) profileWriteFailure() = error;
    SetLastError(plat::win32ErrorFromErrno(error.code));
    return FALSE;
}

BOOL replaceDocument(const std::string &fileName, const Document &doc) {
    std::optional<plat::FileError> error = plat::replaceFile(fileName, doc.serialize());
    return error ? failWrite(*error) : TRUE;
}

// Writes the document now, or when the outermost batch ends.
BOOL saveDocument(LPCSTR fileName, Document doc) {
    if (pending().depth == 0) return replaceDocument(fileName, doc);
    pending().documents.insert_or_assign(fileName, std::move(doc));
    return TRUE;
}

// The document a write changes: what a batch holds, else the file's (none
// yet is an empty one). A file that exists but cannot be read (a folder,
// say) gives nothing: rewriting it from nothing would lose every other section.
std::optional<Document> documentToChange(LPCSTR fileName) {
    if (auto it = pending().documents.find(fileName); it != pending().documents.end()) return it->second;
    errno = 0;
    std::optional<std::string> bytes = plat::readFileBytes(fileName);
    if (!bytes && GetLastError() != ERROR_FILE_NOT_FOUND) {
        failWrite(plat::FileError{fileName, errno});
        return std::nullopt;
    }
    return Document::parse(bytes ? *bytes : std::string());
}

// Writes what the batches hold; each failure is kept like any other.
BOOL flushPending() {
    BOOL all = TRUE;
    for (const auto &[fileName, doc] : std::exchange(pending().documents, {}))
        if (!replaceDocument(fileName, doc)) all = FALSE;
    return all;
}

// Copies one string; a string that does not fit is cut to nSize - 1
// characters, which is what Windows returns then.
DWORD copyString(const std::string &text, LPSTR buffer, DWORD nSize) {
    size_t n = std::min<size_t>(text.size(), nSize - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<DWORD>(n);
}

// Copies names as a list: each followed by a NUL, the list by one more. A
// list that does not fit is cut and closed with two NULs, and the result is
// nSize - 2, as Windows does.
DWORD copyList(const std::vector<std::string> &names, LPSTR buffer, DWORD nSize) {
    std::string content;
    for (const std::string &name : names) {
        content += name;
        content += '\0';
    }
    if (content.size() + 1 <= nSize) {
        std::memcpy(buffer, content.data(), content.size());
        buffer[content.size()] = '\0';
        // An empty list is still double-NUL-terminated when there is room.
        if (content.empty() && nSize >= 2) buffer[1] = '\0';
        return static_cast<DWORD>(content.size());
    }
    if (nSize < 2) {
        buffer[0] = '\0';
        return 0;
    }
    std::memcpy(buffer, content.data(), nSize - 2);
    buffer[nSize - 2] = '\0';
    buffer[nSize - 1] = '\0';
    return nSize - 2;
}

// Windows strips trailing blanks from the default string.
std::string defaultValue(LPCSTR lpDefault) {
    std::string text = lpDefault ? lpDefault : "";
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
    return text;
}

// Windows reads the value as decimal: blanks skipped, an optional '-', then
// digits up to the first other character ("12abc" is 12, "0x10" is 0). The
// number wraps modulo 2^32 as the unsigned result does.
UINT parseProfileInt(const std::string &text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = i < text.size() && text[i] == '-';
    if (negative) ++i;
    UINT value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10u + static_cast<UINT>(text[i] - '0');
    }
    return negative ? 0u - value : value;
}

}  // namespace

extern "C" {

DWORD WINAPI GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                                      LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName) {
    if (lpReturnedString == nullptr || nSize == 0) return 0;
    std::optional<Document> doc = loadDocument(lpFileName);
    if (lpAppName == nullptr) {
        return copyList(doc ? doc->sectionNames() : std::vector<std::string>{}, lpReturnedString, nSize);
    }
    if (lpKeyName == nullptr) {
        std::optional<std::vector<std::string>> keys;
        if (doc) keys = doc->keyNames(lpAppName);
        return copyList(keys ? *keys : std::vector<std::string>{}, lpReturnedString, nSize);
    }
    std::optional<std::string> value;
    if (doc) value = doc->value(lpAppName, lpKeyName);
    return copyString(value ? *value : defaultValue(lpDefault), lpReturnedString, nSize);
}

UINT WINAPI GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault, LPCSTR lpFileName) {
    if (lpAppName == nullptr || lpKeyName == nullptr) return static_cast<UINT>(nDefault);
    std::optional<Document> doc = loadDocument(lpFileName);
    std::optional<std::string> value;
    if (doc) value = doc->value(lpAppName, lpKeyName);
    // An empty value reads like a missing one: Windows gets the text first and
    // falls back to the default when it is empty.
    if (!value || value->empty()) return static_cast<UINT>(nDefault);
    return parseProfileInt(*value);
}

BOOL WINAPI WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                       LPCSTR lpFileName) {
    // All NULL is Windows' request to flush its cache: what a batch holds.
    if (lpAppName == nullptr && lpKeyName == nullptr && lpString == nullptr) return flushPending();
    if (lpAppName == nullptr || lpFileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::optional<Document> changing = documentToChange(lpFileName);
    if (!changing) return FALSE;
    Document &doc = *changing;
    // Deleting what is not there leaves the file untouched (and uncreated).
    if (lpKeyName == nullptr)
        return doc.removeSection(lpAppName) ? saveDocument(lpFileName, std::move(doc)) : TRUE;
    if (lpString == nullptr)
        return doc.removeKey(lpAppName, lpKeyName) ? saveDocument(lpFileName, std::move(doc)) : TRUE;
    doc.setValue(lpAppName, lpKeyName, lpString);
    return saveDocument(lpFileName, std::move(doc));
}

}  // extern "C"

namespace plat {

ProfileWriteBatch::ProfileWriteBatch() {
    ++pending().depth;
}

ProfileWriteBatch::~ProfileWriteBatch() {
    if (--pending().depth == 0) flushPending();
}

std::optional<FileError> takeProfileWriteFailure() {
    return std::exchange(profileWriteFailure(), std::nullopt);
}

}  // namespace plat
