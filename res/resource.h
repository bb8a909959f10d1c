// Resource ids of Stats.dll: dialog templates, their controls and the icon. Shared by the
// resource scripts and the code that opens the dialogs.
#pragma once

// Dialog templates.
#define IDD_MODE 104
#define IDD_ZONE 105
#define IDD_ZONE_R 106
#define IDD_OBLAST 107
#define IDD_DXCC 108

// The plug-in's icon, shown by the status windows.
#define IDI_ZARL 110

// Mode dialog (104).
#define IDC_MODE_CW 1025
#define IDC_MODE_SSB 1027

// Zone dialog (105).
#define IDC_ZONE_NUMBER 1000

// Zone window (106): one check box per zone 1 to 7.
#define IDC_ZONE_R_1 1029
#define IDC_ZONE_R_2 1032
#define IDC_ZONE_R_3 1034
#define IDC_ZONE_R_4 1036
#define IDC_ZONE_R_5 1038
#define IDC_ZONE_R_6 1040
#define IDC_ZONE_R_7 1042

// Oblast window (107): the 88 check boxes take their ids from ui/oblast_grid.h.

// DXCC window (108): the owner-drawn button that draws the worked-with table.
#define IDC_DXCC_TABLE 1007

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
