// Construction and the start-up sequence of the main window.
#include <cstdio>
#include <cwchar>
#include <string>

#include "device/access_hint.hpp"
#include "device/device_commands.hpp"
#include "mainwnd/main_window.hpp"
#include "platform/context.hpp"
#include "platform/gdi/utf.hpp"
#include "res/skin_layout.hpp"

namespace {

struct SyncMode {
    bool syncAll = false;
};

constexpr UINT kMainTemplate = 102;
constexpr UINT kIconResource = skin::kAppIconImage;
constexpr UINT kAboutMenuString = 101;

constexpr DWORD kTipDelayMs = 200;
constexpr COLORREF kTipTextColor = RGB(128, 100, 255);
constexpr COLORREF kTipBackColor = RGB(255, 255, 255);

}  // namespace

bool& SyncAll() {
    return platform::Context::Current().Part<SyncMode>().syncAll;
}

CVespaneRezuVovAdodizozaviDlg::CVespaneRezuVovAdodizozaviDlg() : CDialogEx(kMainTemplate, nullptr) {
    hIcon = LoadIconW(AfxGetResourceHandle(), kIconResource);
}

// Members go in the reverse of their construction order; the link closes the controller handle.
CVespaneRezuVovAdodizozaviDlg::~CVespaneRezuVovAdodizozaviDlg() = default;

BOOL CVespaneRezuVovAdodizozaviDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();

    if (HMENU systemMenu = GetSystemMenu(FALSE)) {
        wchar_t aboutText[256] = {};
        if (LoadStringW(AfxGetResourceHandle(), kAboutMenuString, aboutText,
                        static_cast<int>(std::size(aboutText))) > 0) {
            AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
            AppendMenuW(systemMenu, MF_STRING, kAboutCommand, aboutText);
        }
    }

    SendMessageW(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(hIcon));
    SendMessageW(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));

    EnableToolTips(TRUE);
    LoadSkin();
    CreateControls();
    toolTip.Create(this, 0);
    SetLanguageTexts(UiLanguage::English);

    toolTip.SendMessageW(TTM_SETDELAYTIME, TTDT_AUTOMATIC, kTipDelayMs);
    toolTip.SendMessageW(TTM_SETTIPTEXTCOLOR, kTipTextColor, 0);
    toolTip.SendMessageW(TTM_SETTIPBKCOLOR, kTipBackColor, 0);
    toolTip.SendMessageW(TTM_ACTIVATE, TRUE, 0);

    link.FindController();
    if (link.deviceHandle() == nullptr) {
        // A controller that is there but may not be opened gets one line naming the node and
        // the udev rule.
        if (const auto hint = FormatAccessHint(link, Utf8FromWide(AppExecutableName()))) {
            std::fprintf(stderr, "%s\n", hint->c_str());
        }
        // A user who started the program from the menu never sees stderr: the message names the
        // node and the fix too, in that case only.
        const std::wstring text =
            AccessProblemMessage(link).value_or(std::wstring(kDetectionFailed));
        MessageBoxW(m_hWnd, text.c_str(), AppExecutableName().c_str(), MB_OK);
    }

    const ArgbState colour = QueryArgbState(link);
    redSlider.SetPosition(colour.red);
    greenSlider.SetPosition(colour.green);
    blueSlider.SetPosition(colour.blue);

    state.ledCount = QueryLedCount(link, state.ledCount);
    wchar_t countText[16] = {};
    std::swprintf(countText, std::size(countText), L"%d", state.ledCount);
    ledCountLabel.SetWindowTextW(countText);
    return TRUE;
}

void CVespaneRezuVovAdodizozaviDlg::ShowMessage(std::wstring_view text) {
    const std::wstring terminated(text);
    MessageBoxW(m_hWnd, terminated.c_str(), AppExecutableName().c_str(), MB_OK);
}
