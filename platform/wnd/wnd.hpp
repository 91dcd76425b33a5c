// Windows, messages, timers, input state and painting: the calls the program makes of the window
// layer, under their Windows names. Everything runs on the one GUI thread.
#pragma once

#include <string>

#include "platform/gdi/gdi.hpp"
#include "platform/wintypes.hpp"
#include "platform/wnd/messages.hpp"

class CWnd;
struct WindowObject;  // the window record (window_tree.hpp)
using HWND = WindowObject*;
struct MenuObject;
using HMENU = MenuObject*;
struct CursorObject;
using HCURSOR = CursorObject*;

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    POINT pt;
};

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = FALSE;
    RECT rcPaint;
};

struct WINDOWPLACEMENT {
    UINT length = sizeof(WINDOWPLACEMENT);
    UINT flags = 0;
    UINT showCmd = 0;
    POINT ptMinPosition;
    POINT ptMaxPosition;
    RECT rcNormalPosition;  // child windows: in the parent's client coordinates
};

struct NMHDR {
    HWND hwndFrom = nullptr;
    UINT_PTR idFrom = 0;
    int code = 0;
};

struct TOOLTIPTEXTW {
    NMHDR hdr;
    wchar_t* lpszText = nullptr;
    wchar_t szText[80] = {};
    HINSTANCE hinst = nullptr;
    UINT uFlags = 0;
    LPARAM lParam = 0;
};

struct TTTOOLINFOW {
    UINT cbSize = sizeof(TTTOOLINFOW);
    UINT uFlags = 0;
    HWND hwnd = nullptr;  // the window that owns the tool
    UINT_PTR uId = 0;     // with TTF_IDISHWND: the tool's window
    RECT rect;
    HINSTANCE hinst = nullptr;
    const wchar_t* lpszText = nullptr;
    LPARAM lParam = 0;
};

// Window classes: the program's own plus the platform's "Button", "static", "msctls_trackbar32",
// "tooltips_class32" and the dialog class. A CWnd attached to a window sees its messages first.
BOOL RegisterClassW(const wchar_t* className, WNDPROC proc);
HWND CreateWindowExW(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                     int x, int y, int width, int height, HWND parent, UINT_PTR id, CWnd* object);
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);
LRESULT DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// The class's own procedure for the message (what CWnd::Default calls).
LRESULT CallClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Tree and attributes.
HWND GetParent(HWND hwnd);
HWND GetAncestorTopLevel(HWND hwnd);
HWND GetDlgItem(HWND parent, int id);
int GetDlgCtrlID(HWND hwnd);
LONG GetWindowLongW(HWND hwnd, int index);
std::wstring GetClassNameW(HWND hwnd);
BOOL SetWindowTextW(HWND hwnd, const wchar_t* text);
int GetWindowTextW(HWND hwnd, wchar_t* buffer, int maxCount);
int GetWindowTextLengthW(HWND hwnd);
BOOL ShowWindow(HWND hwnd, int command);
BOOL IsWindowVisible(HWND hwnd);
BOOL IsIconic(HWND hwnd);
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowEnabled(HWND hwnd);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL GetWindowRect(HWND hwnd, RECT* rect);  // screen coordinates
BOOL GetClientRect(HWND hwnd, RECT* rect);  // (0, 0, width, height)
BOOL ClientToScreen(HWND hwnd, POINT* point);
BOOL ScreenToClient(HWND hwnd, POINT* point);
BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement);
BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement);
int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw);  // the window owns the region afterwards
BOOL SetPropW(HWND hwnd, const wchar_t* name, void* value);
void* GetPropW(HWND hwnd, const wchar_t* name);
void* RemovePropW(HWND hwnd, const wchar_t* name);
HWND GetDesktopWindow();

// Messages.
BOOL PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL GetMessageW(MSG* msg, HWND hwnd, UINT first, UINT last);  // waits; FALSE on WM_QUIT
BOOL PeekMessageW(MSG* msg, HWND hwnd, UINT first, UINT last, UINT remove);
LRESULT DispatchMessageW(const MSG* msg);
void PostQuitMessage(int exitCode);
// The dialog keys for a message aimed at the dialog or one of its controls: Tab moves the focus,
// Escape sends IDCANCEL, Enter IDOK (or the focused push button's ID), F1 ID_HELP, unless the
// control's WM_GETDLGCODE asks for the key. TRUE when the message was handled here.
BOOL IsDialogMessageW(HWND dialog, MSG* msg);
inline constexpr UINT PM_NOREMOVE = 0;
inline constexpr UINT PM_REMOVE = 1;

// Hooks: a WH_CALLWNDPROC hook sees every message sent to a window before the window's procedure
// (lParam a CWPSTRUCT); a WH_GETMESSAGE hook sees every posted message and every mouse or key
// input as it is taken from the queue, once (lParam the MSG, wParam PM_REMOVE). Every hook
// installed is called, the newest first; the thread ID is ignored (there is one GUI thread).
struct HookObject;
using HHOOK = HookObject*;
using HOOKPROC = LRESULT (*)(int code, WPARAM wParam, LPARAM lParam);
struct CWPSTRUCT {
    LPARAM lParam = 0;
    WPARAM wParam = 0;
    UINT message = 0;
    HWND hwnd = nullptr;
};
inline constexpr int WH_GETMESSAGE = 3;
inline constexpr int WH_CALLWNDPROC = 4;
inline constexpr int HC_ACTION = 0;
HHOOK SetWindowsHookExW(int kind, HOOKPROC proc, HINSTANCE instance, DWORD threadId);
BOOL UnhookWindowsHookEx(HHOOK hook);

// Painting.
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);  // null rect: the whole client area
BOOL UpdateWindow(HWND hwnd);
BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase);
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);
HDC GetDC(HWND hwnd);  // client area, clipped to the window's visible part
int ReleaseDC(HWND hwnd, HDC dc);

// Timers and time.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, void* unused);
BOOL KillTimer(HWND hwnd, UINT_PTR id);
DWORD GetTickCount();

// Mouse and keyboard.
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
HWND SetFocus(HWND hwnd);
HWND GetFocus();
short GetKeyState(int virtualKey);  // negative while the key is down
BOOL GetCursorPos(POINT* point);
HWND WindowFromPoint(POINT point);  // screen point; honours visibility and window regions
HCURSOR LoadCursorW(HINSTANCE instance, int id);
HCURSOR SetCursor(HCURSOR cursor);
inline constexpr int IDC_ARROW = 32512;

// Menus (the system menu).
HMENU GetSystemMenu(HWND hwnd, BOOL revert);
BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR id, const wchar_t* text);
int GetMenuItemCount(HMENU menu);

// Resources.
int LoadStringW(HINSTANCE instance, UINT id, wchar_t* buffer, int maxCount);
HICON LoadIconW(HINSTANCE instance, UINT id);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
int GetSystemMetrics(int index);

// A message box with one OK button and the executable's name as caption. Returns IDOK.
int MessageBoxW(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
// The executable's name, the caption of message boxes.
const std::wstring& AppExecutableName();
void SetAppExecutableName(std::wstring name);
