// Installing, removing and calling the client hooks. A hook may remove
// itself or another hook, or destroy the window, while it is being called:
// every round works on a copy of the list and asks, before each call,
// whether that hook is still installed and the window still exists.
#include "window/client_hooks.h"

#include <algorithm>
#include <vector>

#include "core/host_state.h"
#include "window/image_window.h"

namespace host {

namespace {

constexpr DWORD kImageWindowHook = 1;

bool stillInstalled(LONG id) {
    const auto &hooks = state().hooks;
    return std::any_of(hooks.begin(), hooks.end(), [id](const HookEntry &h) { return h.id == id; });
}

// Calls the hooks in installation order until one takes the message over
// (when answers count); returns 1 when one did.
LONG callHooks(HWND window, LONG phase, UINT message, WPARAM wParam, LPARAM lParam, bool answersCount) {
    const std::vector<HookEntry> round = state().hooks;
    for (const HookEntry &hook : round) {
        if (!stillInstalled(hook.id)) continue;
        if (window && !IsWindow(window)) break;
        LONG answer = hook.proc(window, 0, phase, message, wParam, lParam);
        if (answersCount && answer == 1) return 1;
    }
    return 0;
}

}  // namespace

LONG installClientHook(const ClientHookBlock *block) {
    if (!block || block->kind != kImageWindowHook || !block->proc) return -1;
    HostState &s = state();
    LONG id = s.nextHookId++;
    s.hooks.push_back(HookEntry{id, block->proc});
    return id;
}

bool removeClientHook(LONG id) {
    auto &hooks = state().hooks;
    auto it = std::find_if(hooks.begin(), hooks.end(), [id](const HookEntry &h) { return h.id == id; });
    if (it == hooks.end()) return false;
    hooks.erase(it);
    return true;
}

LONG offerToHooks(HWND window, LONG phase, UINT message, WPARAM wParam, LPARAM lParam) {
    return callHooks(window, phase, message, wParam, lParam, phase == HookPhaseAct);
}

void noticeToHooks(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    callHooks(window, HookPhaseAct, message, wParam, lParam, false);
}

}  // namespace host
