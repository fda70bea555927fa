// Resource, control and command ids of hunterly.exe.
#pragma once

// Menu, toolbar bitmap and program icon share their id.
#define IDR_MAINFRAME 128
#define IDI_DOCUMENT 149
// Icons of the small buttons of the option pages and item lists.
#define IDI_REMOVE 145
#define IDI_ADD 146
#define IDI_CLEAR 147
#define IDI_FOLDER 148

// Dialogs and pages.
#define IDD_ABOUTBOX 100
#define IDD_FILENAMES 130
#define IDD_ATTRIBUTES 131
#define IDD_FILESIZES 132
#define IDD_DATES 133
#define IDD_CONTAINING 134
#define IDD_RESULTS 135
#define IDD_STATISTICS 136
#define IDD_VERSION 141
#define IDD_RADIXVALUE 142

// Controls of the main window, the results page and the item lists.
#define IDC_RESULTLIST 1014
#define IDC_PLACEHERE 1027
#define IDC_PROGRESS 1032
#define IDC_STARTSEARCH 1064
#define IDC_STOPSEARCH 1065
#define IDC_PLACE2 1080
#define IDC_ITEMLIST 1091
#define IDC_SHEET 1100
#define IDC_STATUS 1524
#define IDC_TOOLBAR 59392

// Commands of the results page, from its context menu and keys.
#define IDC_VIEW 1044
#define IDC_OPEN 1045
#define IDC_PROPERTIES 1081
#define IDC_DELETE 1086
#define IDC_SELECTALL 1087
#define IDC_SELECTNONE 1088
#define IDC_REFRESH 1119
#define IDC_SORT 1124
#define IDC_CUT 1130
#define IDC_SELECTFOLDERS 1131
#define IDC_SELECTINVERT 1132

// Version texts of the About and version boxes.
#define IDC_ABOUTVERSION 1510
#define IDC_VERSIONTEXT 1511

// Menu and toolbar commands.
#define IDM_EXIT 32771
#define IDM_ABOUT 32772
#define IDM_VERSION 32773
#define IDM_SAVETEXT 32774
#define IDM_REMEMBER 32775
#define IDM_STORERESULTS 32777
#define IDM_RESTORERESULTS 32778
#define IDM_OPTIMIZE 32780
#define IDM_NEWSEARCH 32781
#define IDM_FULLANALYSIS 32785
#define IDM_LASTANALYSIS 32786
#define IDM_SMALLICONS 32798
#define IDM_LARGEICONS 32799
#define IDM_LIST 32800
#define IDM_REPORT 32801
#define IDM_CONTENTS 32803
#define IDM_SAVEPROFILE 32804
#define IDM_LOADPROFILE 32805
#define IDM_COMPARE 32812
#define IDM_REFRESH 32813
#define IDM_NEWWINDOW 32814
