// The plug-in loader with the test module: errors for a missing file, a file
// that is no module, a module lacking an entry point and a refused attach;
// DllMain hears the attach with the module's own instance, then the detach
// exactly once. The module logs to a file (VO_TEST_MODULE_LOG).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "internal/resources.h"
#include "loader/plugin_module.h"
#include "support/msg_sequence.h"

namespace {

using host::PluginModule;
using testing_support::linesMatch;

class LoaderTest : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        setenv("VO_TEST_MODULE_LOG", (dir_ / "module.log").c_str(), 1);
    }
    void TearDown() override {
        unsetenv("VO_TEST_MODULE_LOG");
        unsetenv("VO_TEST_MODULE_REFUSE");
    }
    std::vector<std::string> logged() const {
        std::vector<std::string> lines;
        std::ifstream in(dir_ / "module.log");
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    static std::string loadError(const std::string &path) {
        host::PluginLoadResult result = PluginModule::load(path);
        EXPECT_FALSE(result.module) << path;
        return result.error;
    }

    // In the working directory (the build tree), one folder per test: tests may run in parallel.
    const std::filesystem::path dir_ = std::filesystem::absolute(
        std::string("loader_") + testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(LoaderTest, FailuresNameTheFileAndTheReason) {
    const std::string absent = (dir_ / "absent.so").string(), text = (dir_ / "text.so").string();
    std::ofstream(text) << "not a shared object\n";
    const std::string partial = VO_TEST_MODULE_PARTIAL;
    EXPECT_EQ(loadError(absent), "module '" + absent + "': no such file");
    EXPECT_EQ(loadError(text).rfind("module '" + text + "' cannot be loaded: ", 0), 0u) << loadError(text);
    EXPECT_EQ(loadError(partial), "module '" + partial + "' lacks the entry point MacroExecFunction");
    EXPECT_TRUE(logged().empty());  // a module lacking an entry point is not attached
    setenv("VO_TEST_MODULE_REFUSE", "1", 1);
    EXPECT_EQ(loadError(VO_TEST_MODULE),
              std::string("module '") + VO_TEST_MODULE + "' refused to load (DllMain answered FALSE)");
    EXPECT_TRUE(
        linesMatch(logged(), {"DllMain(attach) own instance"}));  // as LoadLibrary: no detach after a refusal
}

TEST_F(LoaderTest, DllMainHearsAttachWithItsInstanceThenDetachOnce) {
    {
        host::PluginLoadResult result = PluginModule::load(VO_TEST_MODULE);
        ASSERT_TRUE(result.module) << result.error;
        PluginModule module = std::move(*result.module);
        EXPECT_TRUE(linesMatch(logged(), {"DllMain(attach) own instance"}));
        EXPECT_EQ(module.instance(), plat::res::instanceOf(module.symbol("DllMain")));
        EXPECT_NE(module.interfaceFunction(), nullptr);
        EXPECT_EQ(module.symbol("NoSuchExport"), nullptr);
        WORD out = 1;
        LONG_PTR args[5] = {0, 109, 0, reinterpret_cast<LONG_PTR>(&out), 0};
        EXPECT_EQ(module.macroExec()(nullptr, 18160, args, nullptr), 0);
        EXPECT_EQ(out, 0);
        PluginModule moved = std::move(module);  // only the module moved to detaches
        moved.unload();
        moved.unload();
        EXPECT_EQ(moved.macroExec(), nullptr);
        EXPECT_EQ(moved.symbol("DllMain"), nullptr);
    }
    EXPECT_TRUE(linesMatch(logged(), {"DllMain(attach) own instance", "MacroExec 18160 (109, 0)",
                                      "DllMain(detach) own instance"}));
}

}  // namespace
