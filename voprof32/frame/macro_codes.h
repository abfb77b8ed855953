/*
 * The numbers of the module's macro interface: the command codes that the host's
 * macro interpreter hands to MacroExecFunction, the attributes of VoProfSetAttr,
 * the save flags of VoProfSave and the data queries of VoProfGet.
 */
#ifndef VOPROF32_FRAME_MACRO_CODES_H
#define VOPROF32_FRAME_MACRO_CODES_H

/* Command codes. */
#define PROFCMD_CREATE 18000
#define PROFCMD_DESTROY 18010
#define PROFCMD_LINEMOVE 18020
#define PROFCMD_MAXIMIZE 18050
#define PROFCMD_MINIMIZE 18060
#define PROFCMD_MOVE 18070
#define PROFCMD_NOTHING 18080
#define PROFCMD_RESTORE 18090
#define PROFCMD_SAVE 18100
#define PROFCMD_SELECT 18110
#define PROFCMD_SETATTR 18120
#define PROFCMD_SIZE 18140
#define PROFCMD_UPDATE 18150
#define PROFCMD_GETDATA 18160

/* Attributes of VoProfSetAttr. */
#define ATTR_COLORMODEL 100
#define ATTR_AUTOUPDATE 102
#define ATTR_SCAL 103
#define ATTR_ICAL 104
#define ATTR_LINETYPE 106
#define ATTR_STATISTICS 111
#define ATTR_ORIGIN 112
#define ATTR_GRID 113
#define ATTR_REFERENCE 114
#define ATTR_FREEZE 115
#define ATTR_CHANNEL1 120
#define ATTR_CHANNEL2 121
#define ATTR_CHANNEL3 122
#define ATTR_LINEGEOMETRY 127

/* Save flags (the SaveFlags word of the File commands, the Save dialog and VoProfSave). */
#define S_APPEND 0x0001
#define S_STATS 0x0002
#define S_DATA 0x0004
#define S_NODEFAULT 0x0008
#define S_CLIPBOARD 0x0010
#define S_HEADER 0x0100
#define S_LEGEND 0x0200
#define S_X_AXIS 0x0400
#define S_COMMA 0x0800
#define S_DDE 0x1000

/* Data queries of VoProfGet (ProfileGetData). */
#define PROFDATA_COUNT 100
#define PROFDATA_GEOMETRY 102
#define PROFDATA_STATS 103
#define PROFDATA_VALUES 104
#define PROFDATA_RANGE 105
#define PROFDATA_CURRENT 109

#endif /* VOPROF32_FRAME_MACRO_CODES_H */
