// Resource ids of the dialog framework's tests.
#pragma once

#define IDD_TESTDIALOG 300
#define IDD_PAGE_EX 301
#define IDD_PAGE_PLAIN 302
#define IDD_PAGE_MENU 303
#define IDD_PAGE_UNTITLED 304
#define IDC_TESTEDIT 310
#define IDC_TESTBUTTON 311
#define IDC_PAGEEDIT 312
#define IDB_TESTBAR 320
#define IDS_TIP_FIRST 330
#define IDS_TIP_SECOND 331
