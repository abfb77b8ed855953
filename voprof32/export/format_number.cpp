/* Number formatting (being written). */
#include "export/format_number.h"

char *FormatNumber(double value, char *buffer, DWORD flags) {
    (void)value, (void)flags;
    buffer[0] = 0;
    return buffer;
}
