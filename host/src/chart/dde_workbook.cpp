// The workbook through libxlsxwriter. The library writes only new workbooks
// and only to a path, so the session's sheets are all written again each
// time, to a scratch file made with mkstemp beside the target (never a
// user's file), whose bytes then replace the target through the platform's
// safe writer (temporary file, fsync, rename).
#include "chart/dde_workbook.h"

#include <fcntl.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <platform/files.h>

#include "chart/dde_sheet.h"

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

std::optional<std::string> writeSheet(lxw_workbook *book, const SentSheet &sheet, bool commaDecimal) {
    lxw_worksheet *worksheet = workbook_add_worksheet(book, sheet.name.c_str());
    if (!worksheet) return "the sheet name '" + sheet.name + "' is not taken";
    const SheetRows rows = sheetCells(sheet.text, commaDecimal);
    if (rows.size() > kMaxSheetRows) return "the text has more lines than a sheet has rows";
    for (size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].size() > kMaxSheetColumns) return "a line has more fields than a sheet has columns";
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const SheetCell &cell = rows[r][c];
            const auto row = static_cast<lxw_row_t>(r);
            const auto column = static_cast<lxw_col_t>(c);
            lxw_error error = LXW_NO_ERROR;
            if (cell.kind == SheetCell::Kind::Number)
                error = worksheet_write_number(worksheet, row, column, cell.number, nullptr);
            else if (cell.kind == SheetCell::Kind::Text)
                error = worksheet_write_string(worksheet, row, column, cell.text.c_str(), nullptr);
            if (error != LXW_NO_ERROR)
                return std::string("a cell could not be written: ") + lxw_strerror(error);
        }
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
    lxw_workbook *book = workbook_new(scratch.path().c_str());
    if (!book) return "cannot write '" + shownPath + "': out of memory";
    lxw_doc_properties properties{};
    properties.created = created;
    workbook_set_properties(book, &properties);
    std::optional<std::string> problem;
    for (const SentSheet &sheet : sheets)
        if (!problem) problem = writeSheet(book, sheet, commaDecimal);
    const lxw_error closed = workbook_close(book);  // frees the workbook whatever happened
    if (problem) return "cannot write '" + shownPath + "': " + *problem;
    if (closed != LXW_NO_ERROR) return "cannot write '" + shownPath + "': " + lxw_strerror(closed);
    std::ifstream in(scratch.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    if (!in.good() && !in.eof())
        return "cannot write '" + shownPath + "': the workbook could not be read back";
    if (std::optional<plat::FileError> error = plat::replaceFile(path, bytes)) return error->message();
    return std::nullopt;
}

}  // namespace host
