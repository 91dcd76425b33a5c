// Shared pieces of the window layer's tests: a clean headless backend per test and a window
// object that records its messages.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "platform/backend/headless/headless_backend.hpp"
#include "platform/wnd/afxwin.hpp"
#include "platform/wnd/window_tree.hpp"

namespace wndtest {

inline constexpr const wchar_t* kTestClass = L"VrTestWindow";

// Once per context; a second registration of the class is refused and changes nothing.
inline void RegisterTestClass() {
    RegisterClassW(kTestClass, DefWindowProcW);
}

struct Seen {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    friend bool operator==(const Seen&, const Seen&) = default;
};

// A window object that notes every message and may answer some itself.
class RecordingWnd : public CWnd {
  public:
    std::vector<Seen>* log = nullptr;
    // Returns a result to take the message, or nothing for the default processing.
    std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)> handler;
    std::function<BOOL(MSG*)> preTranslate;
    COLORREF paintColor = CLR_INVALID;  // fills the client area on WM_PAINT when set

    BOOL CreateTop(const RECT& r, DWORD style = WS_POPUP | WS_VISIBLE, DWORD exStyle = 0) {
        RegisterTestClass();
        return CreateEx(exStyle, kTestClass, L"", style, r, nullptr, 0);
    }
    BOOL CreateChild(CWnd& parent, const RECT& r, UINT id, DWORD style = WS_CHILD | WS_VISIBLE) {
        RegisterTestClass();
        return CreateEx(0, kTestClass, L"", style, r, &parent, id);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (log != nullptr) log->push_back({m_hWnd, message, wParam, lParam});
        if (handler) {
            if (auto r = handler(message, wParam, lParam)) return *r;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        return preTranslate ? preTranslate(msg) : CWnd::PreTranslateMessage(msg);
    }
    void OnPaint() override {
        if (paintColor == CLR_INVALID) {
            Default();
            return;
        }
        CPaintDC dc(this);
        dc.FillSolidRect(-1000, -1000, 3000, 3000, paintColor);
    }
};

// Every test starts in a fresh platform context: no windows, no steps, no message boxes.
class WndTest : public ::testing::Test {
  protected:
    platform::HeadlessBackend& h = platform::HeadlessBackend::Instance();

    // The colour at a point of a top-level window's surface (window coordinates), 0x00RRGGBB.
    static std::uint32_t PixelOf(HWND top, int x, int y) {
        return platform::WindowSurface(top)->at(x, y);
    }
    // Makes `w` a top-level window at `r`, lets its first messages and paint pass, then records
    // in `log` what it receives from then on.
    ::testing::AssertionResult CreateTopLogged(RecordingWnd& w, const RECT& r,
                                               std::vector<Seen>& log) {
        if (!w.CreateTop(r)) return ::testing::AssertionFailure() << "not created";
        h.Pump();
        w.log = &log;
        return ::testing::AssertionSuccess();
    }
    static std::vector<UINT> MessagesOf(const std::vector<Seen>& log, HWND hwnd) {
        std::vector<UINT> out;
        for (const Seen& s : log) {
            if (s.hwnd == hwnd) out.push_back(s.message);
        }
        return out;
    }
};

inline constexpr std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>((r << 16) | (g << 8) | b);
}

}  // namespace wndtest
