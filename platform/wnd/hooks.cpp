// Hooks on the messages sent to windows and on those taken from the queue.
#include <algorithm>

#include "platform/wnd/wnd_state.hpp"

namespace wnd {

void CallHooks(int kind, WPARAM wParam, LPARAM lParam) {
    // The hooks installed as the message comes are the ones called (a hook may remove hooks).
    std::vector<HOOKPROC> procs;
    const auto& hooks = S().hooks;
    for (auto it = hooks.rbegin(); it != hooks.rend(); ++it) {
        if ((*it)->kind == kind) procs.push_back((*it)->proc);
    }
    for (HOOKPROC proc : procs) proc(HC_ACTION, wParam, lParam);
}

}  // namespace wnd

HHOOK SetWindowsHookExW(int kind, HOOKPROC proc, HINSTANCE /*instance*/, DWORD /*threadId*/) {
    if (proc == nullptr || (kind != WH_CALLWNDPROC && kind != WH_GETMESSAGE)) return nullptr;
    auto& hooks = wnd::S().hooks;
    hooks.push_back(std::make_unique<HookObject>(HookObject{kind, proc}));
    return hooks.back().get();
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
    auto& hooks = wnd::S().hooks;
    const auto it =
        std::find_if(hooks.begin(), hooks.end(), [hook](const auto& h) { return h.get() == hook; });
    if (it == hooks.end()) return FALSE;
    hooks.erase(it);
    return TRUE;
}
