// The Open dialog's folder listing and type filters: see folder_listing.h.
#include "commdlg/folder_listing.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>

namespace plat::commdlg {
namespace {

char folded(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Glob matching with backtracking to the last '*' only, which is enough for
// '*' and '?' and stays linear in practice.
bool matchesOne(std::string_view name, std::string_view pattern) {
    if (pattern == "*.*" || pattern == "*") return true;
    size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || folded(pattern[p]) == folded(name[n]))) {
            ++n, ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

bool beforeByName(const FolderEntry &a, const FolderEntry &b) {
    const auto less = [](char x, char y) { return folded(x) < folded(y); };
    if (std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(), less))
        return true;
    if (std::lexicographical_compare(b.name.begin(), b.name.end(), a.name.begin(), a.name.end(), less))
        return false;
    return a.name < b.name;
}

// The pairs of a filter list: description, pattern, description, pattern...
std::vector<std::string> filterStrings(const char *filter) {
    std::vector<std::string> strings;
    for (const char *p = filter; p && *p != '\0'; p += std::strlen(p) + 1) strings.emplace_back(p);
    return strings;
}

}  // namespace

bool matchesPatterns(std::string_view name, std::string_view patterns) {
    while (!patterns.empty()) {
        const size_t end = std::min(patterns.find(';'), patterns.size());
        std::string_view one = patterns.substr(0, end);
        while (!one.empty() && one.front() == ' ') one.remove_prefix(1);
        if (!one.empty() && matchesOne(name, one)) return true;
        patterns.remove_prefix(std::min(end + 1, patterns.size()));
    }
    return false;
}

std::vector<FolderEntry> listFolder(const std::string &folder, std::string_view patterns) {
    namespace fs = std::filesystem;
    std::vector<FolderEntry> folders, files;
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.empty() || name.front() == '.') continue;
        std::error_code kind;
        if (it->is_directory(kind))
            folders.push_back({std::move(name), true});
        else if (matchesPatterns(name, patterns))
            files.push_back({std::move(name), false});
    }
    std::sort(folders.begin(), folders.end(), beforeByName);
    std::sort(files.begin(), files.end(), beforeByName);
    std::vector<FolderEntry> entries;
    std::error_code absoluteError;
    const fs::path absolute = fs::absolute(folder.empty() ? "." : folder, absoluteError).lexically_normal();
    if (absoluteError || absolute.has_relative_path()) entries.push_back({"..", true});
    entries.insert(entries.end(), folders.begin(), folders.end());
    entries.insert(entries.end(), files.begin(), files.end());
    return entries;
}

std::string filterPatterns(const char *filter, unsigned index) {
    const std::vector<std::string> strings = filterStrings(filter);
    // An index naming no pair means the first, as for the description shown.
    size_t at = 2 * (static_cast<size_t>(index == 0 ? 1 : index) - 1) + 1;
    if (at >= strings.size()) at = 1;
    return at < strings.size() ? strings[at] : "*.*";
}

std::vector<std::string> filterDescriptions(const char *filter) {
    const std::vector<std::string> strings = filterStrings(filter);
    std::vector<std::string> descriptions;
    for (size_t i = 0; i < strings.size(); i += 2) descriptions.push_back(strings[i]);
    return descriptions;
}

}  // namespace plat::commdlg
