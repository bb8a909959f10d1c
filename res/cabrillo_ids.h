// Resource ids of the Cabrillo header dialog (template 101), shared by its resource script
// and the code that opens it.
#pragma once

#define IDD_CABRILLO 101

#define IDC_CAB_LOCATION 1001
#define IDC_CAB_SOAPBOX 1002
#define IDC_CAB_ADDRESS 1004
#define IDC_CAB_EMAIL 1008
#define IDC_CAB_CLUB 1009
#define IDC_CAB_OPERATORS 1010
#define IDC_CAB_NAME 1011
#define IDC_CAB_CLAIMED 1012
#define IDC_CAB_CONTEST 1013
#define IDC_CAB_CALLSIGN 1014
#define IDC_CAB_CATEGORY_OPERATOR 1017
#define IDC_CAB_CATEGORY_BAND 1018
#define IDC_CAB_CATEGORY_MODE 1020
#define IDC_CAB_CATEGORY_POWER 1022

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
