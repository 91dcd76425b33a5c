// The system menu: its standard items, items the program appends, and the popup that shows it
// (right click on a caption, Alt+Space). Choosing an item sends WM_SYSCOMMAND to the window.
#include <algorithm>

#include "platform/wnd/control_drawing.hpp"
#include "platform/wnd/wnd_state.hpp"

namespace {

constexpr int kItemHeight = 22;
constexpr int kSeparatorHeight = 7;
constexpr int kTextInset = 24;

void AddStandardItems(MenuObject& menu) {
    menu.items = {{MF_STRING, SC_RESTORE, L"&Restore"},
                  {MF_STRING, SC_MOVE, L"&Move"},
                  {MF_STRING, SC_MINIMIZE, L"Mi&nimize"},
                  {MF_SEPARATOR, 0, L""},
                  {MF_STRING, SC_CLOSE, L"&Close\tAlt+F4"}};
}

struct MenuState : ClassState {
    HWND owner = nullptr;
    std::vector<MenuObject::Item> items;  // as shown, with the state's greyed items
    int hot = -1;
    bool done = false;
    UINT_PTR chosen = 0;
};

MenuState* StateOf(HWND hwnd) {
    return hwnd != nullptr ? dynamic_cast<MenuState*>(hwnd->classState.get()) : nullptr;
}

std::wstring ShownText(const std::wstring& text) {
    const std::wstring t = wnd::WithoutMnemonics(text);
    return t.substr(0, t.find(L'\t'));
}

int ItemTop(const MenuState& m, int index) {
    int y = 2;
    for (int i = 0; i < index; ++i) {
        y += (m.items[static_cast<std::size_t>(i)].flags & MF_SEPARATOR) != 0 ? kSeparatorHeight
                                                                              : kItemHeight;
    }
    return y;
}

bool Selectable(const MenuObject::Item& item) {
    return (item.flags & (MF_SEPARATOR | MF_GRAYED)) == 0;
}

int ItemAt(HWND hwnd, const MenuState& m, POINT client) {
    RECT c{};
    ::GetClientRect(hwnd, &c);
    if (client.x < 0 || client.x >= c.right) return -1;
    for (int i = 0; i < static_cast<int>(m.items.size()); ++i) {
        const int top = ItemTop(m, i);
        const int bottom = ItemTop(m, i + 1);
        if (client.y >= top && client.y < bottom) {
            return Selectable(m.items[static_cast<std::size_t>(i)]) ? i : -1;
        }
    }
    return -1;
}

void Paint(HWND hwnd, const MenuState& m) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd, &ps);
    RECT c{};
    ::GetClientRect(hwnd, &c);
    wnd::FillSolid(dc, c, RGB(249, 249, 249));
    wnd::FrameSolid(dc, c, RGB(160, 160, 160));
    ::SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < static_cast<int>(m.items.size()); ++i) {
        const auto& item = m.items[static_cast<std::size_t>(i)];
        const RECT r{2, ItemTop(m, i), c.right - 2, ItemTop(m, i + 1)};
        if ((item.flags & MF_SEPARATOR) != 0) {
            wnd::FillSolid(dc, RECT{r.left + 4, r.top + 3, r.right - 4, r.top + 4},
                           RGB(200, 200, 200));
            continue;
        }
        if (i == m.hot) wnd::FillSolid(dc, r, RGB(204, 232, 255));
        ::SetTextColor(dc, (item.flags & MF_GRAYED) != 0 ? RGB(150, 150, 150) : RGB(0, 0, 0));
        RECT text{r.left + kTextInset, r.top, r.right - 8, r.bottom};
        const std::wstring shown = ShownText(item.text);
        ::DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &text,
                    DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    }
    ::EndPaint(hwnd, &ps);
}

void Close(MenuState& m, UINT_PTR chosen) {
    m.done = true;
    m.chosen = chosen;
}

void MoveHot(HWND hwnd, MenuState& m, int direction) {
    const int n = static_cast<int>(m.items.size());
    int i = m.hot;
    for (int step = 0; step < n; ++step) {
        i = i < 0 ? (direction > 0 ? 0 : n - 1) : ((i + direction) % n + n) % n;
        if (Selectable(m.items[static_cast<std::size_t>(i)])) break;
    }
    m.hot = i;
    ::InvalidateRect(hwnd, nullptr, FALSE);
}

}  // namespace

LRESULT MenuClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MenuState* m = StateOf(hwnd);
    if (m == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    const POINT client{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_PAINT:
            Paint(hwnd, *m);
            return 0;
        case WM_MOUSEMOVE: {
            const int hot = ItemAt(hwnd, *m, client);
            if (hot != m->hot) {
                m->hot = hot;
                ::InvalidateRect(hwnd, nullptr, FALSE);
            }
            return 0;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP: {
            RECT c{};
            ::GetClientRect(hwnd, &c);
            const int item = ItemAt(hwnd, *m, client);
            if (item >= 0) {
                Close(*m, m->items[static_cast<std::size_t>(item)].id);
            } else if (!::PtInRect(&c, client)) {
                Close(*m, 0);
            }
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN: {
            RECT c{};
            ::GetClientRect(hwnd, &c);
            if (!::PtInRect(&c, client)) Close(*m, 0);
            return 0;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            switch (static_cast<int>(wParam)) {
                case VK_UP:
                    MoveHot(hwnd, *m, -1);
                    break;
                case VK_DOWN:
                    MoveHot(hwnd, *m, 1);
                    break;
                case VK_RETURN:
                    if (m->hot >= 0) Close(*m, m->items[static_cast<std::size_t>(m->hot)].id);
                    break;
                case VK_ESCAPE:
                case VK_MENU:
                    Close(*m, 0);
                    break;
                default:
                    break;
            }
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != hwnd) Close(*m, 0);
            return 0;
        default:
            return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

namespace wnd {

void ShowSystemMenu(HWND topLevel, POINT screen) {
    HMENU menu = ::GetSystemMenu(topLevel, FALSE);
    if (menu == nullptr || S().activeMenu != nullptr) return;
    auto state = std::make_unique<MenuState>();
    state->owner = topLevel;
    state->items = menu->items;
    for (auto& item : state->items) {
        const bool minimised = ::IsIconic(topLevel) != FALSE;
        if ((item.id == SC_RESTORE && !minimised) ||
            ((item.id == SC_MOVE || item.id == SC_MINIMIZE) && minimised)) {
            item.flags |= MF_GRAYED;
        }
    }
    // Size from the texts.
    HDC measure = ::CreateCompatibleDC(nullptr);
    int width = 120;
    for (const auto& item : state->items) {
        SIZE size{};
        const std::wstring shown = ShownText(item.text);
        ::GetTextExtentPoint32W(measure, shown.c_str(), static_cast<int>(shown.size()), &size);
        width = std::max(width, static_cast<int>(size.cx) + kTextInset + 24);
    }
    ::DeleteDC(measure);
    MenuState* m = state.get();
    const int height = ItemTop(*m, static_cast<int>(m->items.size())) + 2;
    const SIZE screenSize = B().ScreenSize();
    const int x =
        std::clamp<int>(screen.x, 0, std::max(0, static_cast<int>(screenSize.cx) - width));
    const int y =
        std::clamp<int>(screen.y, 0, std::max(0, static_cast<int>(screenSize.cy) - height));
    HWND popup = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"#32768", L"", WS_POPUP, x, y,
                                   width, height, topLevel, 0, nullptr);
    if (popup == nullptr) return;
    popup->classState = std::move(state);
    CancelModes();
    ::ShowWindow(popup, SW_SHOWNA);
    ::SetCapture(popup);
    S().activeMenu = popup;
    RunModalLoop(popup, [m] { return m->done; });
    UINT_PTR chosen = 0;
    if (Find(popup) != nullptr) {
        chosen = m->chosen;
        S().activeMenu = nullptr;
        if (S().capture == popup) ::ReleaseCapture();
        ::DestroyWindow(popup);
    }
    if (chosen != 0 && Find(topLevel) != nullptr) {
        Send(topLevel, WM_SYSCOMMAND, chosen,
             MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
    }
}

}  // namespace wnd

using namespace wnd;

HMENU GetSystemMenu(HWND hwnd, BOOL revert) {
    WindowObject* w = Find(hwnd);
    if (w == nullptr || w->isChild() || (w->style & WS_SYSMENU) == 0) return nullptr;
    if (revert != FALSE) {
        w->systemMenu.reset();
        return nullptr;
    }
    if (!w->systemMenu) {
        w->systemMenu = std::make_unique<MenuObject>();
        AddStandardItems(*w->systemMenu);
    }
    return w->systemMenu.get();
}

BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR id, const wchar_t* text) {
    if (menu == nullptr) return FALSE;
    menu->items.push_back({flags, id, text != nullptr ? text : L""});
    return TRUE;
}

int GetMenuItemCount(HMENU menu) {
    return menu != nullptr ? static_cast<int>(menu->items.size()) : -1;
}
