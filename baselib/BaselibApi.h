// Export/import switch for the classes of baselib.dll.
#pragma once

#ifdef BASELIB_BUILD
#define BASELIB_API __declspec(dllexport)
#else
#define BASELIB_API __declspec(dllimport)
#endif
