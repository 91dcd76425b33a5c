// Dialogs and message boxes: modal loops driven by script steps, nesting and ending order, the
// owner disabled while a dialog runs, centring, the dialog keys, templates and the string table.
#include <string>

#include "platform/res/dialog_templates.hpp"
#include "platform/res/string_table.hpp"
#include "wnd_test_support.hpp"

namespace {

using namespace wndtest;

class TestDialog : public CDialogEx {
  public:
    using CDialogEx::CDialogEx;
    std::vector<std::pair<WPARAM, LPARAM>> commands;
    std::function<void()> onInit;
    int inits = 0;
    BOOL initResult = TRUE;  // FALSE: the dialog sets no focus

    BOOL OnInitDialog() override {
        CDialogEx::OnInitDialog();
        ++inits;
        if (onInit) onInit();
        return initResult;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        commands.emplace_back(wParam, lParam);
        return CDialogEx::OnCommand(wParam, lParam);
    }
};

class Dialogs : public WndTest {};

TEST_F(Dialogs, TemplatesAndStringTable) {
    const DialogTemplate* about = FindDialogTemplate(100);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->caption, L"关于 Vespane Rezu Vov Adodizozavi");
    EXPECT_EQ(about->cx, 181);
    EXPECT_EQ(about->cy, 63);
    ASSERT_EQ(about->items.size(), 4u);
    EXPECT_EQ(about->items[1].text, L"Vespane Rezu Vov Adodizozavi,1.0.0.2 版");
    EXPECT_EQ(about->items[3].id, IDOK);
    EXPECT_EQ(about->items[3].text, L"确定");
    const DialogTemplate* main = FindDialogTemplate(102);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->style & (WS_POPUP | WS_VISIBLE | WS_SYSMENU | WS_CAPTION),
              WS_POPUP | WS_VISIBLE | WS_SYSMENU);
    EXPECT_EQ(main->exStyle, WS_EX_APPWINDOW);
    EXPECT_TRUE(main->items.empty());
    const DialogTemplate* quantity = FindDialogTemplate(238);
    ASSERT_NE(quantity, nullptr);
    EXPECT_EQ(quantity->style, 0x80080048u);
    EXPECT_EQ(quantity->pointSize, 8);
    EXPECT_EQ(FindDialogTemplate(101), nullptr);

    wchar_t text[64] = {};
    EXPECT_EQ(LoadStringW(nullptr, 101, text, 64), 38);
    EXPECT_EQ(std::wstring(text), L"关于 Vespane Rezu Vov Adodizozavi(&A)...");
    EXPECT_EQ(LoadStringW(nullptr, 101, text, 5), 4);  // cut to the buffer, terminated
    EXPECT_EQ(std::wstring(text), L"关于 V");
    EXPECT_EQ(LoadStringW(nullptr, 999, text, 64), 0);
    EXPECT_EQ(text[0], L'\0');
}

TEST_F(Dialogs, DoModalRunsStepsAndReturnsTheEndDialogResult) {
    TestDialog dlg(238);
    h.AddStep([&] {
        ASSERT_NE(dlg.m_hWnd, nullptr);
        EXPECT_TRUE(dlg.IsWindowVisible());
        EXPECT_EQ(GetClassNameW(dlg.m_hWnd), L"#32770");
        dlg.EndDialog(42);
    });
    EXPECT_EQ(dlg.DoModal(), 42);
    EXPECT_EQ(dlg.inits, 1);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(h.StepsLeft(), 0u);
}

TEST_F(Dialogs, NestedModalLoopsEndInTheRightOrder) {
    RecordingWnd mainWnd;
    ASSERT_TRUE(mainWnd.CreateTop({100, 100, 900, 640}));
    TestDialog outer(238, &mainWnd);
    TestDialog inner(100, &outer);
    std::vector<std::string> events;
    h.AddStep([&] {
        events.push_back("outer idle");
        EXPECT_FALSE(IsWindowEnabled(mainWnd.m_hWnd));
        const INT_PTR r = inner.DoModal();
        events.push_back("inner returned " + std::to_string(r));
        EXPECT_TRUE(IsWindowEnabled(outer.m_hWnd) || !IsWindow(outer.m_hWnd));
    });
    h.AddStep([&] {
        events.push_back("inner idle");
        EXPECT_FALSE(IsWindowEnabled(outer.m_hWnd)) << "the inner dialog disables its owner";
        outer.EndDialog(7);  // the outer one ends only after the inner loop returns
    });
    h.AddStep([&] {
        events.push_back("inner still running");
        inner.EndDialog(5);
    });
    EXPECT_EQ(outer.DoModal(), 7);
    const std::vector<std::string> expected{"outer idle", "inner idle", "inner still running",
                                            "inner returned 5"};
    EXPECT_EQ(events, expected);
    EXPECT_TRUE(IsWindowEnabled(mainWnd.m_hWnd));
}

TEST_F(Dialogs, ADialogIsCentredOverItsOwnerAndItsOwnerGetsNoInput) {
    std::vector<Seen> log;
    RecordingWnd mainWnd;
    ASSERT_TRUE(CreateTopLogged(mainWnd, {100, 100, 900, 640}, log));
    TestDialog dlg(238, &mainWnd);
    h.AddStep([&] {
        RECT r{};
        dlg.GetWindowRect(&r);
        EXPECT_NEAR((r.left + r.right) / 2.0, 500, 1);
        EXPECT_NEAR((r.top + r.bottom) / 2.0, 370, 1);
        log.clear();
        h.Click({110, 110});  // on the owner, outside the dialog
        EXPECT_EQ(MessagesOf(log, mainWnd.m_hWnd), std::vector<UINT>{});
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(Dialogs, ADialogResizedByItsInitIsCentredAtItsNewSize) {
    TestDialog dlg(102);
    dlg.onInit = [&] { dlg.SetWindowPos(nullptr, 0, 0, 800, 540, SWP_NOMOVE | SWP_NOZORDER); };
    h.AddStep([&] {
        RECT r{};
        dlg.GetWindowRect(&r);
        EXPECT_EQ(r, (RECT{560, 270, 1360, 810}));  // on the 1920 x 1080 screen
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
}

TEST_F(Dialogs, EscapeSendsCancelWithNoControlAndEndsTheDialog) {
    TestDialog dlg(238);
    h.AddStep([&] { h.Key(VK_ESCAPE); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(dlg.commands.size(), 1u);
    EXPECT_EQ(dlg.commands[0], (std::pair<WPARAM, LPARAM>{IDCANCEL, 0}));
}

TEST_F(Dialogs, EnterGoesToAControlThatWantsAllKeysOtherwiseItIsOk) {
    TestDialog dlg(238);
    RecordingWnd slider;
    std::vector<WPARAM> sliderKeys;
    slider.handler = [&](UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_GETDLGCODE) return GetKeyState(VK_TAB) < 0 ? 0 : DLGC_WANTALLKEYS;
        if (m == WM_KEYDOWN) sliderKeys.push_back(wp);
        return std::nullopt;
    };
    dlg.onInit = [&] {
        ASSERT_TRUE(
            slider.CreateChild(dlg, {10, 10, 100, 30}, 1503, WS_CHILD | WS_VISIBLE | WS_TABSTOP));
    };
    h.AddStep([&] {
        slider.SetFocus();
        h.Key(VK_RETURN);
        h.Key(VK_ESCAPE);
        EXPECT_EQ(sliderKeys, (std::vector<WPARAM>{VK_RETURN, VK_ESCAPE}));
        EXPECT_TRUE(dlg.commands.empty());
        SetFocus(dlg.m_hWnd);
        h.Key(VK_RETURN);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    ASSERT_EQ(dlg.commands.size(), 1u);
    EXPECT_EQ(dlg.commands[0].first, static_cast<WPARAM>(IDOK));
}

TEST_F(Dialogs, TabMovesTheFocusAndF1AsksForHelp) {
    TestDialog dlg(238);
    RecordingWnd a;
    RecordingWnd b;
    RecordingWnd notAStop;
    dlg.onInit = [&] {
        ASSERT_TRUE(a.CreateChild(dlg, {10, 10, 50, 30}, 1, WS_CHILD | WS_VISIBLE | WS_TABSTOP));
        ASSERT_TRUE(notAStop.CreateChild(dlg, {60, 10, 100, 30}, 2));
        ASSERT_TRUE(b.CreateChild(dlg, {110, 10, 150, 30}, 3, WS_CHILD | WS_VISIBLE | WS_TABSTOP));
    };
    h.AddStep([&] {
        EXPECT_EQ(GetFocus(), a.m_hWnd) << "the first tab stop takes the focus at the start";
        h.Key(VK_TAB);
        EXPECT_EQ(GetFocus(), b.m_hWnd);
        h.Key(VK_TAB);
        EXPECT_EQ(GetFocus(), a.m_hWnd);
        h.KeyDown(VK_SHIFT);
        h.Key(VK_TAB);
        h.KeyUp(VK_SHIFT);
        EXPECT_EQ(GetFocus(), b.m_hWnd);
        h.Key(VK_F1);
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
    ASSERT_EQ(dlg.commands.size(), 1u);
    EXPECT_EQ(dlg.commands[0].first, static_cast<WPARAM>(ID_HELP));
}

TEST_F(Dialogs, AboutBoxFromItsTemplateClosesWithItsOkButton) {
    TestDialog about(100);
    h.AddStep([&] {
        HWND ok = GetDlgItem(about.m_hWnd, IDOK);
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(GetClassNameW(ok), L"Button");
        EXPECT_EQ(about.GetWindowTextString(), L"关于 Vespane Rezu Vov Adodizozavi");
        EXPECT_EQ(GetFocus(), ok);
        RECT r{};
        GetWindowRect(ok, &r);
        h.Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    });
    EXPECT_EQ(about.DoModal(), IDOK);
    EXPECT_EQ(h.StepsLeft(), 0u);
}

TEST_F(Dialogs, KeysReachADialogEvenWhenTheFocusStayedInItsOwner) {
    RecordingWnd mainWnd;
    RecordingWnd control;
    ASSERT_TRUE(mainWnd.CreateTop({100, 100, 900, 640}));
    ASSERT_TRUE(control.CreateChild(mainWnd, {10, 10, 50, 50}, 1));
    control.SetFocus();
    TestDialog dlg(238, &mainWnd);
    dlg.initResult = FALSE;
    h.AddStep([&] { EXPECT_EQ(GetFocus(), control.m_hWnd); });
    h.AddStep([&] { h.Key(VK_ESCAPE); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(GetFocus(), control.m_hWnd) << "the owner's focus comes back";
}

TEST_F(Dialogs, CloseFromTheSystemMenuCancelsADialog) {
    TestDialog dlg(238);
    h.AddStep([&] { dlg.SendMessageW(WM_SYSCOMMAND, SC_CLOSE); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(Dialogs, MessageBoxesAreRecordedAndAnsweredWithOk) {
    RecordingWnd mainWnd;
    ASSERT_TRUE(mainWnd.CreateTop({100, 100, 900, 640}));
    SetAppExecutableName(L"VespaneRezuVovAdodizozavi");
    EXPECT_EQ(MessageBoxW(mainWnd.m_hWnd, L"Hardware detection failed.", nullptr, MB_OK), IDOK);
    ASSERT_EQ(h.MessageBoxTexts().size(), 1u);
    EXPECT_EQ(h.MessageBoxTexts()[0], L"Hardware detection failed.");
    EXPECT_EQ(h.MessageBoxCaptions()[0], L"VespaneRezuVovAdodizozavi");
    EXPECT_TRUE(IsWindowEnabled(mainWnd.m_hWnd));
    EXPECT_EQ(h.OpenMessageBox(), nullptr);
}

TEST_F(Dialogs, AMessageBoxIsAWindowOfItsOwnWithTextAndAnOkButton) {
    RecordingWnd mainWnd;
    ASSERT_TRUE(mainWnd.CreateTop({100, 100, 900, 640}));
    h.SetAnswerMessageBoxes(false);
    h.AddStep([&] {
        HWND box = h.OpenMessageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(IsWindowEnabled(mainWnd.m_hWnd));
        EXPECT_EQ(platform::WindowCaption(box), AppExecutableName());
        HWND ok = GetDlgItem(box, IDOK);
        ASSERT_NE(ok, nullptr);
        wchar_t caption[8] = {};
        GetWindowTextW(ok, caption, 8);
        EXPECT_EQ(std::wstring(caption), L"OK");
        // Text was drawn: some dark pixels in the text area.
        const Surface* pixels = h.WindowPixels(box);
        ASSERT_NE(pixels, nullptr);
        int dark = 0;
        for (int y = 25; y < 70; ++y) {
            for (int x = 0; x < pixels->width(); ++x) dark += pixels->at(x, y) < 0x404040 ? 1 : 0;
        }
        EXPECT_GT(dark, 20);
        h.Key(VK_RETURN);
    });
    EXPECT_EQ(MessageBoxW(mainWnd.m_hWnd, L"Please choose a VRGB effect.", nullptr, MB_OK), IDOK);
    EXPECT_EQ(h.StepsLeft(), 0u);
    EXPECT_TRUE(IsWindowEnabled(mainWnd.m_hWnd));
}

TEST_F(Dialogs, AnIdleModalLoopWithoutStepsStopsTheTestInsteadOfHanging) {
    EXPECT_DEATH(
        {
            TestDialog dlg(238);
            dlg.DoModal();
        },
        "no script steps left");
}

}  // namespace
