// Export markers of the graphics library and the Windows handle types the portable core names.
#pragma once

#ifdef _WIN32
#ifdef VELORA_BUILDING_LIBRARY
#define VELORA_API __declspec(dllexport)
#else
#define VELORA_API __declspec(dllimport)
#endif
#else
#define VELORA_API __attribute__((visibility("default")))
#endif

// Declared exactly as <windows.h> declares them, so both headers may meet in one unit.
struct HINSTANCE__;
typedef struct HINSTANCE__* HINSTANCE;
struct HDC__;
typedef struct HDC__* HDC;
