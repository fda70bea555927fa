// Control ids of the "Radix Value" dialog.
#pragma once

#define IDC_RADIXVALUE 1320
