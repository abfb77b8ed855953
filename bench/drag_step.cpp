// The cost of one drag step of a colour line profile: an RGB image in a
// 1024 x 768 window, the Line Profile command, a horizontal line of the
// given number of samples, and its end dragged one window pixel at a time
// through the platform's input seam (press, move, release, the messages
// each causes dispatched: the overlay drawn, the profile read, the
// statistics, the chart and the repaints).
//
//   drag_step SAMPLES STEPS [KIND]
//
// KIND is the image's kind as ImgNew takes it (rgb by default; gray8 shows
// what a gray image's repaint costs).
// Run it under callgrind twice, with STEPS and with 0 steps; the difference
// divided by STEPS is the instruction count of one step. Lines longer than
// the window's width come from a wider image shown zoomed out, so the line
// still fits in the window.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <platform/embed.h>

#include "core/host_state.h"
#include "loader/plugin_module.h"
#include "macro/interpreter.h"
#include "window/host_window.h"
#include "window/image_window.h"

namespace {

constexpr int kWindowWidth = 1024, kWindowHeight = 768;
constexpr int kMargin = 12;  // image pixels left of the line's start and right of its end
constexpr int kLineRow = 300;

struct Scene {
    int imageWidth = 0;
    double zoom = 1.0;
    int lineEndX = 0;  // image pixels
};

Scene sceneFor(int samples) {
    Scene s;
    s.imageWidth = std::max(kWindowWidth, samples + 2 * kMargin);
    int factor = 1;
    while (s.imageWidth > kWindowWidth * factor) factor *= 2;
    s.imageWidth = kWindowWidth * factor;
    s.zoom = 1.0 / factor;
    s.lineEndX = kMargin + samples - 1;
    return s;
}

std::string setupScript(int samples, const Scene &s, const std::string &kind) {
    std::string script;
    script += "ImgNew(" + std::to_string(s.imageWidth) + ", " + std::to_string(kWindowHeight) + ", \"" +
              kind + "\", \"ramp-x\")\n";
    script += "ImgWindow(" + std::to_string(kWindowWidth) + ", " + std::to_string(kWindowHeight) + ")\n";
    if (s.zoom != 1.0) script += "ImgZoom(" + std::to_string(s.zoom) + ")\n";
    script += "LineProfile()\n";
    script += "VoProfLineMove(" + std::to_string(kMargin) + ", " + std::to_string(kLineRow) + ", " +
              std::to_string(kMargin + samples - 1) + ", " + std::to_string(kLineRow) + ")\n";
    return script;
}

// The line's end in screen coordinates.
POINT lineEndOnScreen(const Scene &s) {
    HWND window = host::activeImageWindow();
    POINT end{s.lineEndX, kLineRow};
    host::imageToWindow(window, &end, &end, 1);
    ClientToScreen(window, &end);
    return end;
}

void dispatched() {
    plat::pumpMessages();
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: drag_step SAMPLES STEPS [KIND]\n");
        return 2;
    }
    const int samples = std::atoi(argv[1]), steps = std::atoi(argv[2]);
    const std::string kind = argc == 4 ? argv[3] : "rgb";
    if (samples < 2 || steps < 0) {
        std::fprintf(stderr, "drag_step: SAMPLES must be at least 2 and STEPS at least 0\n");
        return 2;
    }
    host::PluginLoadResult loaded = host::PluginModule::load(VO_MODULE_PATH);
    if (!loaded.module) {
        std::fprintf(stderr, "drag_step: %s\n", loaded.error.c_str());
        return 1;
    }
    host::hostWindow();
    host::macro::Context context;
    context.plugin =
        host::macro::PluginEntryPoints{loaded.module->interfaceFunction(), loaded.module->macroExec()};
    context.print = [](const std::string &line) { std::puts(line.c_str()); };
    host::macro::Interpreter interpreter(std::move(context));
    const Scene scene = sceneFor(samples);
    if (auto error = interpreter.run(setupScript(samples, scene, kind), "drag_step")) {
        std::fprintf(stderr, "%s\n", error->format().c_str());
        return 1;
    }
    // Each step grabs the end, pulls it down one window pixel and lets it
    // go: the line keeps its sample count while it tilts, and the release
    // has the profile read, its statistics and chart shown and the image
    // window repainted.
    POINT end = lineEndOnScreen(scene);
    plat::inputMouseMove(end.x, end.y);
    dispatched();
    for (int i = 1; i <= steps; ++i) {
        plat::inputMouseDown(plat::MouseButton::Left);
        dispatched();
        plat::inputMouseMove(end.x, end.y + i);
        dispatched();
        plat::inputMouseUp(plat::MouseButton::Left);
        dispatched();
    }
    // The line as the drag left it (result, x1, y1, x2, y2), so a run shows it dragged.
    if (auto error = interpreter.run("VoProfGet(102)\n", "drag_step")) {
        std::fprintf(stderr, "%s\n", error->format().c_str());
        return 1;
    }
    // The profiles close while the module is still loaded.
    host::closeAllProfiles();
    dispatched();
    return 0;
}
