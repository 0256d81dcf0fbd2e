// Export marker of the window class library.
#pragma once

#ifdef PANEKIT_BUILDING_LIBRARY
#define PANEKIT_API __declspec(dllexport)
#else
#define PANEKIT_API __declspec(dllimport)
#endif
