#include "tests/app/program_driver.hpp"

#include <gtest/gtest.h>

#include "platform/gdi/afxgdi.hpp"
#include "platform/hid/emulated_system_bus.hpp"
#include "platform/wnd/window_tree.hpp"

namespace shelltest {

platform::HeadlessBackend& Headless() {
    return platform::HeadlessBackend::Instance();
}

hid::EmulatedBus& Bus() {
    return hid::EmulatedSystemBus();
}

std::vector<DeviceReport> ReceivedReports() {
    std::vector<DeviceReport> reports;
    for (const auto& report : Bus().controller().received()) {
        DeviceReport copy{};
        std::copy(report.begin(), report.end(), copy.begin());
        reports.push_back(copy);
    }
    return reports;
}

void Step(std::function<void()> step) {
    Headless().AddStep(std::move(step));
}

BOOL RunProgram() {
    CVespaneRezuVovAdodizozaviApp app;
    const BOOL result = app.InitInstance();
    EXPECT_EQ(Headless().StepsLeft(), 0U) << "the program ended before its script did";
    return result;
}

CVespaneRezuVovAdodizozaviDlg* MainWindow() {
    return dynamic_cast<CVespaneRezuVovAdodizozaviDlg*>(AfxGetMainWnd());
}

CNumDlg* Popup() {
    for (HWND top : platform::TopLevelWindows()) {
        if (auto* popup = dynamic_cast<CNumDlg*>(CWnd::FromHandle(top))) {
            return popup;
        }
    }
    return nullptr;
}

HWND FindTopLevel(const std::wstring& caption) {
    for (HWND top : platform::TopLevelWindows()) {
        if (platform::WindowCaption(top) == caption) {
            return top;
        }
    }
    return nullptr;
}

POINT OnWindow(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
}

POINT CentreOf(const CWnd& control) {
    return CentreOf(control.GetSafeHwnd());
}

POINT CentreOf(HWND window) {
    const RECT rect = platform::WindowScreenRect(window);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void ClickClose() {
    Headless().Click(CentreOf(MainWindow()->closeButton));
}

void ClickLedQuantity() {
    Headless().Click(CentreOf(MainWindow()->ledQtyButton));
}

void ClickLanguage() {
    Headless().Click(CentreOf(MainWindow()->languageButton));
}

std::uint32_t PixelOf(HWND window, int x, int y) {
    const Surface* surface = Headless().WindowPixels(window);
    return surface != nullptr && surface->contains(x, y) ? surface->at(x, y) : 0xFFFFFFFFu;
}

Surface PictureWithNumber(UINT resourceId, int number, POINT at) {
    CBitmap bitmap;
    bitmap.LoadBitmapW(resourceId);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = dc.SelectObject(&bitmap);
    dc.SetBkMode(TRANSPARENT);
    const std::wstring text = std::to_wstring(number);
    dc.TextOutW(at.x, at.y, text.c_str(), static_cast<int>(text.size()));
    dc.SelectObject(previous);
    return BitmapPixels(bitmap);
}

}  // namespace shelltest
