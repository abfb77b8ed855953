// The one safe way the platform and the host write files: a file is replaced
// whole or not at all, an append lands whole or not at all, and a failure
// carries the errno of the call that failed and a message naming the file.
// Plain C++ for the platform's kernel functions and the host alike; the
// module never includes this header.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <windows.h>

namespace plat {

struct FileError {
    std::string path;  // the file the caller named
    int code = 0;      // errno of the call that failed
    // "cannot write 'PATH': REASON", the path shortened when absurdly long.
    std::string message() const;
    // The system's text for code ("File too large").
    std::string reason() const;
};

// Replaces the file: the bytes go to a new temporary file in the target's
// folder (".NAME.XXXXXX", made by mkstemp, so no user's file is touched), which
// is flushed to disk and renamed over the target; then the folder is synced.
// An existing target keeps its permission bits and a symbolic link stays a
// link (its target is replaced). On any failure the temporary file is
// removed and the target is exactly as it was.
std::optional<FileError> replaceFile(const std::string &path, std::string_view bytes);

// Appends the bytes to the file, creating it when missing, and syncs it. When
// a write fails part-way the file is cut back to its old length (a file this
// call created is removed), so it holds exactly its old bytes.
std::optional<FileError> appendToFile(const std::string &path, std::string_view bytes);

// HFILE handles with the same guarantees, for the host's file library
// (MISCFN32), through which the module writes its files; _lread, _lwrite and
// _llseek work on them as on any HFILE.
// A new, empty version of the file: _lclose puts it in place when every
// write succeeded; after a failed write it is dropped and _lclose fails. A
// handle never closed leaves the old file (and its temporary file).
HFILE openReplacement(const std::string &path);
// An existing file open for writing: a write that fails cuts the file back
// to its length at open, so a failed append leaves exactly the old bytes,
// and _lclose then fails.
HFILE openForAppend(const std::string &path);

// While one lives, WritePrivateProfileStringA holds each changed INI file in
// memory (the Get functions see the changes) and the outermost batch's end
// replaces each file once, instead of once per key. A write that fails then
// is kept for takeProfileWriteFailure. Batches nest.
class ProfileWriteBatch {
public:
    ProfileWriteBatch();
    ~ProfileWriteBatch();
    ProfileWriteBatch(const ProfileWriteBatch &) = delete;
    ProfileWriteBatch &operator=(const ProfileWriteBatch &) = delete;
};

// The first INI file write (WritePrivateProfileStringA) that failed since the
// last call, which Win32 reports only as FALSE: lets a program say which
// settings were lost and why. Taking it clears it.
std::optional<FileError> takeProfileWriteFailure();

// A text for a message: at most `limit` bytes, a longer one cut with "...".
std::string shortenedForMessage(std::string_view text, size_t limit = 200);

}  // namespace plat
