// The window record behind an HWND, and what a backend reads of the window tree.
// Windows are owned by the window layer; an HWND stays valid until DestroyWindow (IsWindow tells)
// and invalid for ever after: no later window gets a destroyed window's handle.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/damage.hpp"
#include "platform/gdi/region.hpp"
#include "platform/gdi/surface.hpp"
#include "platform/wnd/wnd.hpp"

struct WindowClass;  // a registered class (class name and procedure)

// Per-window data of a built-in class procedure (button state, tooltip tools, ...).
struct ClassState {
    ClassState() = default;
    ClassState(const ClassState&) = delete;
    ClassState& operator=(const ClassState&) = delete;
    virtual ~ClassState() = default;
};

// A menu (the system menu): its items in order.
struct MenuObject {
    struct Item {
        UINT flags = 0;  // MF_STRING, MF_SEPARATOR, MF_GRAYED
        UINT_PTR id = 0;
        std::wstring text;
    };
    std::vector<Item> items;
};

struct WindowObject {
    std::wstring className;
    const WindowClass* windowClass = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT_PTR id = 0;  // control ID of a child window

    WindowObject* parent = nullptr;  // child windows only
    WindowObject* owner = nullptr;   // top-level windows: the owner window, if any
    // Child windows front to back: the first child is the topmost, as with GetWindow(GW_CHILD).
    std::vector<WindowObject*> children;

    RECT rect;  // child windows: in the parent's client coordinates; top-level windows: on screen
    bool visible = false;    // WS_VISIBLE
    bool minimised = false;  // top-level windows shown minimised (IsIconic)
    bool enabled = true;     // not WS_DISABLED
    std::wstring text;
    HFONT font = nullptr;  // WM_SETFONT; not owned
    HICON icon = nullptr;  // WM_SETICON; not owned

    // Window region (SetWindowRgn), relative to the window's top-left corner. Pixels outside it
    // are neither drawn nor hit. None: the whole rectangle.
    std::optional<Region> region;

    std::map<std::wstring, void*> properties;  // SetPropW / GetPropW
    CWnd* object = nullptr;                    // the attached framework object, if any

    // Parts of the client area waiting for WM_PAINT (client coordinates), and whether the
    // invalidation asked for the background to be erased first.
    Region updateRegion;
    bool eraseRequested = false;

    // Top-level windows: the pixels of the whole window, painted by it and its children.
    std::unique_ptr<Surface> surface;

    // Normal position of a top-level window kept while it is minimised (GetWindowPlacement).
    RECT normalRect;

    std::unique_ptr<MenuObject> systemMenu;  // created by GetSystemMenu
    std::unique_ptr<ClassState> classState;  // data of the class procedure

    // Painting bookkeeping of top-level windows: the parts of the surface drawn since the
    // backend was last shown them (shared with the window's device contexts), and whether the
    // frame needs drawing.
    std::shared_ptr<Damage> damage;
    bool frameDirty = false;
    bool validatedDuringPaint = false;  // BeginPaint or GetUpdateRect's owner ran

    bool isChild() const { return (style & WS_CHILD) != 0; }
    int width() const { return rect.right - rect.left; }
    int height() const { return rect.bottom - rect.top; }
};

namespace platform {

// Top-level windows front to back (topmost ones first), whether visible or not.
std::vector<HWND> TopLevelWindows();
bool IsTopLevel(HWND hwnd);
// Whether the window should be on screen: visible and not minimised (and, for a child, every
// ancestor too).
bool IsShownOnScreen(HWND hwnd);
// The window's rectangle on screen.
RECT WindowScreenRect(HWND hwnd);
// The pixels of a top-level window (null for a child window or a destroyed one).
Surface* WindowSurface(HWND hwnd);
// The window's effective shape in window coordinates: its rectangle (from 0, 0) cut by its
// window region.
Region WindowShape(HWND hwnd);
// A top-level window's caption (its text), for a backend's title.
std::wstring WindowCaption(HWND hwnd);

}  // namespace platform
