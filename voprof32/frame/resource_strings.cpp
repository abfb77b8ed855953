/* LoadResString: a string-table text in the one shared buffer. */
#include "frame/resource_strings.h"

#include "frame/profile_record.h"

static char stringBuffer[256];

char *LoadResString(WORD id) {
    LoadStringA(moduleInstance, id, stringBuffer, 255);
    return stringBuffer;
}
