// The workbook through the writer module (libxlsxwriter), which writes only
// new workbooks and only to a path: the session's sheets are all written
// again each time, to a scratch file made with mkstemp beside the target
// (never a user's file), whose bytes then replace the target through the
// platform's safe writer (temporary file, fsync, rename).
#include "chart/dde_workbook.h"

#include <fcntl.h>
#include <unistd.h>
#include <dlfcn.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include <platform/files.h>

#include "chart/dde_sheet.h"
#include "chart/xlsx_module.h"

namespace host {

namespace {

// Excel's limits on a sheet.
constexpr size_t kMaxSheetRows = 1048576;
constexpr size_t kMaxSheetColumns = 16384;

// A scratch file removed with its owner.
class ScratchFile {
public:
    explicit ScratchFile(const std::string &target) {
        const std::filesystem::path folder = std::filesystem::path(target).parent_path();
        std::string pattern =
            (folder.empty() ? std::string() : folder.string() + "/") + ".workbook-scratch.XXXXXX";
        const int fd = mkstemp(pattern.data());
        if (fd >= 0) {
            close(fd);
            path_ = pattern;
        }
    }
    ~ScratchFile() {
        if (!path_.empty()) unlink(path_.c_str());
    }
    ScratchFile(const ScratchFile &) = delete;
    ScratchFile &operator=(const ScratchFile &) = delete;
    const std::string &path() const { return path_; }

private:
    std::string path_;
};

// The writer module beside the host library, loaded on first use and kept.
struct XlsxModule {
    XlsxWriteProc write = nullptr;
    std::string problem;  // why it could not be loaded
};

std::string hostLibraryFolder() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<const void *>(&writeWorkbook), &info) || !info.dli_fname) return {};
    const std::filesystem::path folder = std::filesystem::path(info.dli_fname).parent_path();
    return folder.empty() ? std::string() : folder.string() + "/";
}

XlsxModule loadXlsxModule() {
    XlsxModule module;
    const std::string file = hostLibraryFolder() + kXlsxModuleFile;
    void *handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle) module.write = reinterpret_cast<XlsxWriteProc>(dlsym(handle, kXlsxWriteEntry));
    if (!module.write) {
        const char *reason = dlerror();
        module.problem =
            "the workbook writer " + file + " cannot be loaded: " + (reason ? reason : "no entry point");
    }
    return module;
}

const XlsxModule &xlsxModule() {
    static const XlsxModule module = loadXlsxModule();
    return module;
}

// The sheets as cells, or the reason one does not fit in a sheet.
std::optional<std::string> sheetsOfCells(const std::vector<SentSheet> &sent, bool commaDecimal,
                                         std::vector<XlsxSheet> &sheets) {
    for (const SentSheet &one : sent) {
        XlsxSheet sheet{one.name, sheetCells(one.text, commaDecimal)};
        if (sheet.rows.size() > kMaxSheetRows) return "the text has more lines than a sheet has rows";
        for (const std::vector<SheetCell> &row : sheet.rows)
            if (row.size() > kMaxSheetColumns) return "a line has more fields than a sheet has columns";
        sheets.push_back(std::move(sheet));
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> writeWorkbook(const std::string &path, const std::vector<SentSheet> &sheets,
                                         bool commaDecimal, std::time_t created) {
    const std::string shownPath = plat::shortenedForMessage(path);
    ScratchFile scratch(path);
    if (scratch.path().empty())
        return "cannot write '" + shownPath + "': " + plat::FileError{path, errno}.reason();
    std::vector<XlsxSheet> sheetsToWrite;
    if (std::optional<std::string> problem = sheetsOfCells(sheets, commaDecimal, sheetsToWrite))
        return "cannot write '" + shownPath + "': " + *problem;
    const XlsxModule &writer = xlsxModule();
    if (!writer.write) return "cannot write '" + shownPath + "': " + writer.problem;
    std::string problem;
    if (!writer.write(scratch.path().c_str(), &sheetsToWrite, created, &problem))
        return "cannot write '" + shownPath + "': " + problem;
    std::ifstream in(scratch.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    if (!in.good() && !in.eof())
        return "cannot write '" + shownPath + "': the workbook could not be read back";
    if (std::optional<plat::FileError> error = plat::replaceFile(path, bytes)) return error->message();
    return std::nullopt;
}

}  // namespace host
