// What the Open dialog lists: the folders and the files of one folder that
// match the chosen type, in a fixed order so that the list is the same on
// every machine and every run.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plat::commdlg {

struct FolderEntry {
    std::string name;
    bool folder = false;
};

// Whether a file name matches a pattern list such as "*.tif;*.tiff": '*' any
// run of characters, '?' one character, letters of either case alike, as
// Windows matches. "*.*" and "*" match every name, with or without a dot.
bool matchesPatterns(std::string_view name, std::string_view patterns);

// ".." (unless the folder is the root), then the sub-folders, then the files
// matching the patterns, each group in case-insensitive order of names
// (ties in byte order). Names starting with a dot are hidden, as a file
// manager hides them. A folder that cannot be read lists only "..".
std::vector<FolderEntry> listFolder(const std::string &folder, std::string_view patterns);

// The pattern list of filter pair `index` (1-based) of a
// "description\0pattern\0...\0\0" list; "*.*" without a filter.
std::string filterPatterns(const char *filter, unsigned index);
// The descriptions of every pair, in order.
std::vector<std::string> filterDescriptions(const char *filter);

}  // namespace plat::commdlg
