// Runs the real program on the headless backend: the application object's start-up, the main
// window's modal loop and the popups, driven by script steps of mouse and key input.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/vespane_app.hpp"
#include "device/device_report.hpp"
#include "mainwnd/main_window.hpp"
#include "numdlg/num_dlg.hpp"
#include "platform/backend/headless/headless_backend.hpp"
#include "platform/hid/emulated_system_bus.hpp"
#include "tests/support/bitmap_pixels.hpp"

namespace shelltest {

platform::HeadlessBackend& Headless();
hid::EmulatedBus& Bus();
// Every report the controller received since the program started (the start-up queries
// included).
std::vector<DeviceReport> ReceivedReports();

// Queues one script step; the steps run in order whenever a modal loop waits for input.
void Step(std::function<void()> step);
// Runs the program until its main window closes; returns what InitInstance returned.
BOOL RunProgram();

// The running main window (null before start-up and after the end).
CVespaneRezuVovAdodizozaviDlg* MainWindow();
// The open LED quantity popup, or null.
CNumDlg* Popup();
// The top-level window of a class and caption, or null.
HWND FindTopLevel(const std::wstring& caption);

// Screen points: a point in a window's client area, and the centre of a control.
POINT OnWindow(HWND window, int x, int y);
POINT CentreOf(const CWnd& control);
POINT CentreOf(HWND window);

// Clicks that end the run or open the popup.
void ClickClose();
void ClickLedQuantity();
void ClickLanguage();

// The colour of a pixel of a top-level window's surface (0x00RRGGBB), window coordinates.
std::uint32_t PixelOf(HWND window, int x, int y);
// A bitmap resource with a number drawn on it as the popup draws it: transparent background,
// the default font and colour, at `at`.
Surface PictureWithNumber(UINT resourceId, int number, POINT at);

}  // namespace shelltest
