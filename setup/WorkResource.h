// Control ids of the progress dialogs of the installer and the uninstaller,
// which share their handling (WorkDialog).
#pragma once

#define IDC_WORKPROGRESS 1020
#define IDC_WORKSTATUS 1021
