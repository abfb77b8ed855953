/*
 * Data to the clipboard. The text goes through a temporary "vow" file in the
 * current folder so that it is byte for byte the text of a data file; the
 * file is deleted once read. A failure on the way leaves the clipboard as it
 * was.
 */
#include "export/clipboard_export.h"

#include <miscfn32.h>

#include "export/data_file.h"
#include "frame/macro_codes.h"
#include "frame/profile_record.h"

/* The largest piece read at a time: reads of old counted in 16-bit sizes. */
#define CLIPBOARD_READ_PIECE 32767
/* Spare bytes after the text, the NUL among them. */
#define CLIPBOARD_SPARE 10

/* Reads the whole file into text, in pieces; returns the bytes read. */
static LONG ReadPieces(HFILE file, char *text, LONG size) {
    LONG piece = size < CLIPBOARD_READ_PIECE ? size : CLIPBOARD_READ_PIECE, done = 0;
    while (done < size) {
        LONG got;
        if (piece > size - done) piece = size - done;
        got = FileRead(file, text + done, piece);
        if (got > 0) done += got;
        if (got < piece) break;
    }
    return done;
}

static void GiveToClipboard(HWND window, HGLOBAL block) {
    if (!OpenClipboard(window)) {
        GlobalFree(block);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
    CloseClipboard();
}

void ProfileDataToClipboard(HWND window, struct ProfileRecord *record, WORD flags) {
    char name[MAX_PATH];
    HFILE file;
    LONG size;
    HGLOBAL block;
    char *text;
    HCURSOR previous;
    if (!GetTempFileNameA(".", "vow", 0, name)) return;
    ProfileSaveData(hostWindow, name, record, (WORD)(flags | S_DATA));
    file = FileOpen(name, FILEOPEN_READ);
    if (file == HFILE_ERROR) return;
    size = _llseek(file, 0, FILE_END);
    _llseek(file, 0, FILE_BEGIN);
    block = size > 0 ? GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (DWORD)size + CLIPBOARD_SPARE) : 0;
    text = block ? (char *)GlobalLock(block) : 0;
    if (!text) {
        if (block) GlobalFree(block);
        FileClose(file);
        FileOpen(name, FILEOPEN_DELETE);
        return;
    }
    previous = SetCursor(LoadCursorA(0, IDC_WAIT));
    text[ReadPieces(file, text, size)] = 0;
    GlobalUnlock(block);
    FileClose(file);
    FileOpen(name, FILEOPEN_DELETE);
    GiveToClipboard(window, block);
    SetCursor(previous);
}
