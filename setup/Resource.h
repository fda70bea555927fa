// Resource and control ids of setup.exe.
#pragma once

#include "WorkResource.h"

#define IDR_MAINFRAME 128

// Dialogs.
#define IDD_DISCLAIMER 101
#define IDD_PROGRAMPATH 102
#define IDD_COPYING 103
#define IDD_FINISHED 104
#define IDD_ABOUTSETUP 105

// "Disclaimer".
#define IDC_AGREEMENT 1000
#define IDC_AGREE 1001

// "Program Path".
#define IDC_FOLDER 1010
#define IDC_BROWSE 1011

// "Installation Finished".
#define IDC_RUNPROGRAM 1030
