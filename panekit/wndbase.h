// WndBase: one Win32 window with its settings as properties. It registers or finds its window
// class (subclassing a class that exists, such as "BUTTON"), creates the window on a thread of
// its own with its own message loop or directly in the caller's thread, creates its children in
// the parent's thread, chains messages, closes children with their parent and cycles the focus
// with Tab.
#pragma once

#include "panekitapi.h"

#include <values.h>
#include <windows.h>

class WndBase;
struct WndExClassData;

// The window's record; the window keeps its address in the user-data slot, so static window
// procedures find it from the handle.
struct WndBaseData {
    // The instance the window's class is registered under: the class is looked up, registered
    // and unregistered, and the window created, under it, whatever instance the parent has.
    HINSTANCE hInstance;
    HWND hwnd;
    HWND parent;
    HMENU menu; // menu or child identifier
    HANDLE thread;
    HANDLE event; // creation, and for a direct window its end
    HMODULE baseModule;
    DWORD threadId;
    WNDCLASSA classRecord;
    WNDPROC savedProc; // procedure to chain to; 0 means DefWindowProcA
    LPTHREAD_START_ROUTINE threadProc;
    WndExClassData* extData;
    WndBase** children; // owned array of windows created inside this one
    int childCount;
    void (*createFkt)(WndBaseData&);
    char* title;
    char* className;
    DWORD style;
    int x, y;
    int width, height;
    int threaded; // 1: own thread and message loop; 0: created in the caller's thread
    short classExisted;
    HBRUSH ownBrush; // the background brush this object created, deleted once no class uses it
    // 1 while the class this object registered itself is registered: the only class it ever
    // unregisters. A system class, or one another object registered, is left to its owner.
    short classRegistered;
};

class PANEKIT_API WndBase : public Values {
public:
    WndBase();
    virtual ~WndBase();
    WndBase(const WndBase&) = delete;
    WndBase& operator=(const WndBase&) = delete;

    // Creates the window and its children and shows it; a threaded window's open returns once the
    // window is shown. 1 when a creation was started, 0 when the window exists or a step failed.
    int open();
    // Closes the window (children first) and waits until it is gone. 1 if there was a window.
    int close();
    // Registers a window to be created inside this one when it opens; chains: parent <= a <= b.
    WndBase& operator<=(WndBase& child);

    operator HWND();
    operator HINSTANCE();
    // A device context of the window, or 0 without one; the caller releases it.
    operator HDC();

protected:
    // Flags, all taking effect at the next open: 1 x, 2 y, 3 width, 4 height (int); 5 class
    // name, 6 title (char*); 7 background (a COLORREF; the object's own class is unregistered at
    // once, to come back in the new colour); 8 parent (pointer to an HWND: a visible child of any
    // window, one of the client's own classes too); 9 style: the first write in the process
    // replaces the style, every later one, on any window, adds its bits; 10 own thread (1) or the
    // caller's (0); 11 menu or child identifier (the pointer itself).
    void setValue(void* value) override;
    // No readable properties of its own.
    void* getValue() override;

    void setWndProc(WNDPROC proc);
    void setThreadProc(LPTHREAD_START_ROUTINE proc);
    void setCreateWndFkt(void (*f)(WndBaseData&));
    // Blocks until the window has ended: its thread for a threaded window, else its destruction.
    void wait();

    static void WM_CLOSE_FKT(HWND hwnd);
    static void WM_DESTROY_FKT(HWND hwnd);
    static void tabFkt(HWND hwnd);
    static LRESULT WndRetFkt(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The record of a window of this library, or 0.
    static WndBaseData* getWndBaseData(HWND hwnd);

    WndBaseData record;

private:
    static DWORD WINAPI ThreadProc(LPVOID data);
    static void CreateWindowFkt(WndBaseData& d);
    static void CreateChildWnd(WndBaseData& d);
    static int checkPaneKit(WndBaseData& d);
    static int checkWndProc(WndBaseData& d);
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    void setStyle(DWORD bits);
    void setBackground(COLORREF colour);
    void releaseBrush();
};
