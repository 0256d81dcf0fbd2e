// Export marker of the values library, the flag/value property protocol every window class
// derives from.
#pragma once

#ifdef VALUES_BUILDING_LIBRARY
#define VALUES_API __declspec(dllexport)
#else
#define VALUES_API __declspec(dllimport)
#endif
