// Resource and control ids of Uninstall.exe.
#pragma once

#include "WorkResource.h"

#define IDR_MAINFRAME 128

// Dialogs.
#define IDD_UNINSTALL 101
#define IDD_REMOVING 102
#define IDD_ABOUTUNINSTALL 103

// "Uninstall".
#define IDC_EXPLANATION 1000
#define IDC_COMPLETE 1001
#define IDC_FILESONLY 1002
#define IDC_ABORT 1003
