// resetHost: the parts in an order that keeps every step valid (tables before
// the controls they cover go, windows before the images they show).
#include "core/host_reset.h"

#include <vector>

#include <windows.h>

#include "chart/chart_store.h"
#include "core/host_state.h"
#include "core/image_store.h"
#include "window/image_views.h"

namespace host {

void resetHost() {
    closeAllTables();
    std::vector<HWND> windows;
    for (const ImageView &view : allViews()) windows.push_back(view.window);
    for (HWND window : windows)
        if (IsWindow(window)) DestroyWindow(window);
    forgetViews();
    chartStore().clear();
    forgetReportItems();
    forgetShapes();
    forgetRegions();
    images().clear();
    freeAllBlocks();
    HWND hostWindow = state().hostWindow;
    state() = HostState{};
    state().hostWindow = hostWindow;
}

}  // namespace host
