// Export/import switch for the classes of ctlkit.dll.
#pragma once

#ifdef CTLKIT_BUILD
#define CTLKIT_API __declspec(dllexport)
#else
#define CTLKIT_API __declspec(dllimport)
#endif
