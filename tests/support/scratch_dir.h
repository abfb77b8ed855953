// A fresh scratch folder for each test (PREFIX_PID_TESTNAME under the system's
// temporary folder), removed when the test ends, and whole-file reads and
// writes for the tests that look at the bytes on disk.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

namespace testing_support {

// A file's bytes, empty when it cannot be read.
inline std::string readBytes(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    return (std::ostringstream() << in.rdbuf()).str();
}
inline void writeBytes(const std::filesystem::path &path, const std::string &bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class ScratchDirTest : public ::testing::Test {
protected:
    explicit ScratchDirTest(std::string prefix) : prefix_(std::move(prefix)) {}
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               (prefix_ + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path dir_;

private:
    std::string prefix_;
};

}  // namespace testing_support
