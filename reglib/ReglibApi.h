// Export/import switch for the classes of reglib.dll.
#pragma once

#ifdef REGLIB_BUILD
#define REGLIB_API __declspec(dllexport)
#else
#define REGLIB_API __declspec(dllimport)
#endif
