// What the chart tests share: plot settings as the profile module fills them, the
// plot sequence read back with attribute 0x12, and the plot area (0x15).
#pragma once

#include <cstring>
#include <vector>

#include <chartw32.h>

namespace chart_test {

inline PlotSpec plotSettings(const char *name, DWORD userValue = 0, DWORD shown = 1,
                             PlotDataProc proc = nullptr) {
    PlotSpec settings{};
    std::strcpy(settings.name, name);
    settings.userValue = userValue;
    settings.shown = settings.shown2 = shown;
    settings.dataProc = proc;
    return settings;
}

inline std::vector<HPLOT> sequence(HCHART chart) {
    std::vector<HPLOT> plots;
    for (HPLOT p = 0; ChartAttr(chart, CHARTATTR_NEXTPLOT, p, 0, &p) != 0;) plots.push_back(p);
    return plots;
}

inline RECT plotArea(HCHART chart) {
    RECT area{-1, -1, -1, -1};
    ChartAttr(chart, CHARTATTR_PLOTAREA, 0, 0, &area);
    return area;
}

}  // namespace chart_test
