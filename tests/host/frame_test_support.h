// For the frame tests: the host window shown as the frame over a fresh host,
// a scratch folder with small image files, a stand-in plug-in that counts its
// calls and records what the real one records, and the headless answers to
// the file dialogs and modal dialogs a hand would give.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <platform/embed.h>

#include "support/scratch_dir.h"

namespace frame_test {

// What the stand-in plug-in saw.
struct PluginCalls {
    int lineProfile = 0;  // InterfaceFunction
    std::vector<WORD> macroCodes;
};
PluginCalls &pluginCalls();

class FrameTest : public testing_support::ScratchDirTest {
protected:
    FrameTest() : ScratchDirTest("vo_frame_") {}
    void SetUp() override;
    void TearDown() override;

    HWND frame_ = nullptr;
    // The answers the next file dialogs get, in order; nullopt is Cancel.
    std::deque<std::optional<std::string>> fileAnswers_;
    // What each file dialog offered: its filter's first description and title.
    std::vector<std::string> fileDialogs_;

    std::string path(const std::string &name) const { return (dir_ / name).string(); }
    // A P5 file whose pixel (x, y) is x + 10 y, or a P6 file with (x, 2x, 3y).
    std::string writeGray(const std::string &name, int width, int height) const;
    std::string writeRgb(const std::string &name, int width, int height) const;

    // The item chosen and what it posted dispatched; false when it is greyed.
    bool choose(unsigned command) {
        const bool chosen = plat::chooseMenuItem(frame_, command);
        plat::pumpMessages();
        return chosen;
    }
    // Answers the next modal dialog by setting its edit boxes and clicking OK;
    // later ones are left to Cancel.
    void answerDialog(const std::vector<std::pair<int, std::string>> &edits);
};

std::string readFile(const std::string &path);

}  // namespace frame_test
