// The application object, the executable's name, common controls and the string resources.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/res/string_table.hpp"
#include "platform/wnd/afxwin.hpp"

namespace {

CWinApp*& CurrentApp() {
    static CWinApp* app = nullptr;
    return app;
}

std::wstring& ExecutableName() {
    static std::wstring name;
    return name;
}

}  // namespace

CWinApp::CWinApp(const wchar_t* appName) {
    CurrentApp() = this;
    if (appName != nullptr) SetAppExecutableName(appName);
}

CWinApp::~CWinApp() {
    if (CurrentApp() == this) CurrentApp() = nullptr;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

CWinApp* AfxGetApp() {
    return CurrentApp();
}

CWnd* AfxGetMainWnd() {
    CWinApp* app = CurrentApp();
    return app != nullptr ? app->m_pMainWnd : nullptr;
}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    // The common control classes are always registered here.
    return init != nullptr && init->dwSize == sizeof(INITCOMMONCONTROLSEX) ? TRUE : FALSE;
}

const std::wstring& AppExecutableName() {
    std::wstring& name = ExecutableName();
    if (name.empty()) {
        std::error_code error;
        const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
        name = error ? L"vespane-rgb" : exe.stem().wstring();
    }
    return name;
}

void SetAppExecutableName(std::wstring name) {
    ExecutableName() = std::move(name);
}

int LoadStringW(HINSTANCE /*instance*/, UINT id, wchar_t* buffer, int maxCount) {
    if (buffer == nullptr || maxCount <= 0) return 0;
    const std::wstring_view text = FindResourceString(id);
    const int n = std::min(static_cast<int>(text.size()), maxCount - 1);
    std::copy_n(text.begin(), n, buffer);
    buffer[n] = L'\0';
    return n;
}
