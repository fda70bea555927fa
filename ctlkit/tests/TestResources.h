// Resource ids of the control kit's test program.
#pragma once

#define IDR_TESTMENU 200
#define IDM_OPEN 201
#define IDM_REMEMBER 202
#define IDM_GREYED 203
#define IDS_STATUS 210
#define IDS_LONG 211
