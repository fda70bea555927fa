// Control ids of the "Sizes" page.
#pragma once

#define IDC_SIZEOPTION 1340
#define IDC_SIZEVALUE 1341
#define IDC_SIZEUPPER 1342
#define IDC_SIZEVALUELABEL 1343
#define IDC_SIZEUPPERLABEL 1344
