// Control ids of the "Summary" page.
#pragma once

#define IDC_FULLANALYSIS 1043
#define IDC_VIEWANALYSIS 1044
#define IDC_OPTIONGRID 1091
