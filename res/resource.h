// Ids of the program's resources and of the calculator window's controls,
// shared by the resource script and the C++ code.
#ifndef AMBRIX_RES_RESOURCE_H
#define AMBRIX_RES_RESOURCE_H

// Dialog templates, strings, icons.
#define IDD_ABOUT 100
#define IDS_ABOUT_MENU 101
#define IDD_CALCULATOR 102
#define IDI_APP 128

// System-menu command; the low four bits belong to the system.
#define IDM_ABOUT 0x0010

// Controls that are never addressed.
#define IDC_STATIC (-1)

// Calculator window.  Row 1 skips 1002, the average-power button, so the
// rows do not form one series.
#define IDC_DURATION1 1000
#define IDC_TIME_UNIT1 1001
#define IDC_CALC_AVERAGE_POWER 1002
#define IDC_CURRENT1 1003
#define IDC_CURRENT_UNIT1 1004
#define IDC_DURATION2 1005
#define IDC_TIME_UNIT2 1006
#define IDC_CURRENT2 1007
#define IDC_CURRENT_UNIT2 1008
#define IDC_DURATION3 1009
#define IDC_TIME_UNIT3 1010
#define IDC_CURRENT3 1011
#define IDC_CURRENT_UNIT3 1012
#define IDC_DURATION4 1013
#define IDC_TIME_UNIT4 1014
#define IDC_CURRENT4 1015
#define IDC_CURRENT_UNIT4 1016
#define IDC_DURATION5 1017
#define IDC_TIME_UNIT5 1018
#define IDC_CURRENT5 1019
#define IDC_CURRENT_UNIT5 1020
#define IDC_CALC_BATTERY_LIFE 1021
#define IDC_CAPACITY 1022
#define IDC_CAPACITY_UNIT 1023
#define IDC_CONTACT_LINK 1025

// The maker's web address, bare (the shell adds the scheme), as the contact
// link opens it.  The resource compiler cannot splice a macro into a control
// text, so the link's text repeats it inside <a></a>; the resource tests hold
// the two together.
#define AMBRIX_CONTACT_ADDRESS L"www.nrv.example"
#define AMBRIX_CONTACT_LINK_TEXT "<a>www.nrv.example</a>"

#endif
