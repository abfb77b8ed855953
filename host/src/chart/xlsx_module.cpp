// The workbook writer module: sheets of cells to an Excel workbook through
// libxlsxwriter, which writes only new workbooks and only to a path.
#include "chart/xlsx_module.h"

#include <xlsxwriter.h>

#include <type_traits>

namespace {

bool writeSheet(lxw_workbook *book, const host::XlsxSheet &sheet, std::string &problem) {
    lxw_worksheet *worksheet = workbook_add_worksheet(book, sheet.name.c_str());
    if (!worksheet) {
        problem = "the sheet name '" + sheet.name + "' is not taken";
        return false;
    }
    for (size_t r = 0; r < sheet.rows.size(); ++r) {
        for (size_t c = 0; c < sheet.rows[r].size(); ++c) {
            const host::SheetCell &cell = sheet.rows[r][c];
            const auto row = static_cast<lxw_row_t>(r);
            const auto column = static_cast<lxw_col_t>(c);
            lxw_error error = LXW_NO_ERROR;
            if (cell.kind == host::SheetCell::Kind::Number)
                error = worksheet_write_number(worksheet, row, column, cell.number, nullptr);
            else if (cell.kind == host::SheetCell::Kind::Text)
                error = worksheet_write_string(worksheet, row, column, cell.text.c_str(), nullptr);
            if (error != LXW_NO_ERROR) {
                problem = std::string("a cell could not be written: ") + lxw_strerror(error);
                return false;
            }
        }
    }
    return true;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) bool voWriteXlsx(const char *path,
                                                                   const std::vector<host::XlsxSheet> *sheets,
                                                                   std::time_t created,
                                                                   std::string *problem) {
    lxw_workbook *book = workbook_new(path);
    if (!book) {
        *problem = "out of memory";
        return false;
    }
    lxw_doc_properties properties{};
    properties.created = created;
    workbook_set_properties(book, &properties);
    bool written = true;
    for (const host::XlsxSheet &sheet : *sheets)
        if (written) written = writeSheet(book, sheet, *problem);
    const lxw_error closed = workbook_close(book);  // frees the workbook whatever happened
    if (written && closed != LXW_NO_ERROR) {
        *problem = lxw_strerror(closed);
        written = false;
    }
    return written;
}

static_assert(std::is_same_v<decltype(&voWriteXlsx), host::XlsxWriteProc>,
              "the entry point the host looks up has the host's signature");
