// Export/import switch for the classes of scanlib.dll.
#pragma once

#ifdef SCANLIB_BUILD
#define SCANLIB_API __declspec(dllexport)
#else
#define SCANLIB_API __declspec(dllimport)
#endif
