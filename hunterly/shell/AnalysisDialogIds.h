// Control ids of the analysis table.
#pragma once

#define IDC_ANALYSISLIST 1079
