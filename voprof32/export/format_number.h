/* The one number formatter behind every number the module writes as text. */
#ifndef VOPROF32_EXPORT_FORMAT_NUMBER_H
#define VOPROF32_EXPORT_FORMAT_NUMBER_H

#include <windows.h>

/* Field width in the low five bits; FORMAT_COMMA writes "," as the decimal separator. */
#define FORMAT_WIDTH_MASK 0x1f
#define FORMAT_COMMA 0x800

char *FormatNumber(double value, char *buffer, DWORD flags);

#endif /* VOPROF32_EXPORT_FORMAT_NUMBER_H */
