// Interactive message boxes: the button a person's click or key chooses for
// each box type, the owner disabled meanwhile, the box sized to its text and
// centred on its owner, and the immediate answer when nobody can answer.
#include "window_fixture.h"

#include <platform/embed.h>

#include <functional>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

// Values of the real headers that windows.h does not declare.
constexpr UINT kAbortRetryIgnore = 2;
constexpr UINT kYesNoCancel = 3;
constexpr UINT kRetryCancel = 5;
constexpr UINT kDefButton2 = 0x100;
constexpr UINT kDefButton3 = 0x200;
constexpr int kTextId = 0xFFFF;

using Step = std::function<void(HWND box)>;

Step click(int id) {
    return [id](HWND box) { plat::clickWindow(GetDlgItem(box, id)); };
}
Step key(int vk) {
    return [vk](HWND) { plat::inputKeyDown(vk); };
}

struct Observed {
    int idleCalls = 0;
    bool ownerEnabledMeanwhile = true;
    std::string caption, text;
    RECT box{}, textRect{};
};

class MessageBoxTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        plat::setInteractiveMessageBoxes(true);
        owner_ = makeTopLevel(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 80, 600, 400);
    }
    void TearDown() override {
        plat::setInteractiveMessageBoxes(false);
        WindowTest::TearDown();
    }

    // Each idle turn of the box's modal loop notes what it sees and takes the
    // next step; with no steps left no more input comes.
    void answerWith(std::vector<Step> steps) {
        plat::setModalIdleHandler([this, steps = std::move(steps)] {
            HWND box = GetActiveWindow();
            if (observed_.idleCalls == 0) note(box);
            if (static_cast<size_t>(observed_.idleCalls) >= steps.size()) return false;
            steps[static_cast<size_t>(observed_.idleCalls++)](box);
            return true;
        });
    }

    void note(HWND box) {
        char text[512] = "";
        GetWindowTextA(box, text, sizeof text);
        observed_.caption = text;
        GetDlgItemTextA(box, kTextId, text, sizeof text);
        observed_.text = text;
        observed_.ownerEnabledMeanwhile = IsWindowEnabled(owner_);
        GetWindowRect(box, &observed_.box);
        GetWindowRect(GetDlgItem(box, kTextId), &observed_.textRect);
    }

    HWND owner_ = nullptr;
    Observed observed_;
};

TEST_F(MessageBoxTest, ReturnsTheButtonThatIsClickedOrKeyed) {
    struct Case {
        const char *name;
        UINT type;
        std::vector<Step> steps;
        int pressed;
    } cases[] = {
        {"OK: Enter", MB_OK, {key(VK_RETURN)}, IDOK},
        {"OK: Escape", MB_OK, {key(VK_ESCAPE)}, IDOK},
        {"OK/Cancel: Enter", MB_OKCANCEL, {key(VK_RETURN)}, IDOK},
        {"OK/Cancel: Escape", MB_OKCANCEL, {key(VK_ESCAPE)}, IDCANCEL},
        {"OK/Cancel default 2: Enter", MB_OKCANCEL | kDefButton2, {key(VK_RETURN)}, IDCANCEL},
        {"OK/Cancel: click Cancel", MB_OKCANCEL, {click(IDCANCEL)}, IDCANCEL},
        {"OK/Cancel: Tab, Enter", MB_OKCANCEL, {key(VK_TAB), key(VK_RETURN)}, IDCANCEL},
        {"Yes/No: Enter", MB_YESNO, {key(VK_RETURN)}, IDYES},
        {"Yes/No default 2: Enter", MB_YESNO | kDefButton2, {key(VK_RETURN)}, IDNO},
        {"Yes/No: click No", MB_YESNO, {click(IDNO)}, IDNO},
        {"Yes/No: Escape does nothing", MB_YESNO, {key(VK_ESCAPE), click(IDNO)}, IDNO},
        {"Yes/No/Cancel default 3: Enter", kYesNoCancel | kDefButton3, {key(VK_RETURN)}, IDCANCEL},
        {"Yes/No/Cancel: Escape", kYesNoCancel, {key(VK_ESCAPE)}, IDCANCEL},
        {"Yes/No/Cancel: click No", kYesNoCancel, {click(IDNO)}, IDNO},
        {"Retry/Cancel: click Retry", kRetryCancel, {click(IDRETRY)}, IDRETRY},
        {"Abort/Retry/Ignore default 2: Enter", kAbortRetryIgnore | kDefButton2, {key(VK_RETURN)}, IDRETRY},
        {"Abort/Retry/Ignore: Tab, Tab, Enter",
         kAbortRetryIgnore,
         {key(VK_TAB), key(VK_TAB), key(VK_RETURN)},
         IDIGNORE},
        {"Abort/Retry/Ignore: click Abort", kAbortRetryIgnore | kDefButton3, {click(IDABORT)}, IDABORT},
    };
    for (Case &c : cases) {
        SCOPED_TRACE(c.name);
        observed_ = {};
        size_t stepCount = c.steps.size();
        answerWith(std::move(c.steps));
        testing::internal::CaptureStderr();
        EXPECT_EQ(MessageBoxA(owner_, "Replace the profile?", "Profile", c.type), c.pressed);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "MessageBox: Profile: Replace the profile?\n");
        EXPECT_EQ(observed_.idleCalls, static_cast<int>(stepCount));  // every step was needed
        EXPECT_EQ(observed_.caption, "Profile");
        EXPECT_EQ(observed_.text, "Replace the profile?");
        EXPECT_FALSE(observed_.ownerEnabledMeanwhile);
        EXPECT_TRUE(IsWindowEnabled(owner_));
    }
}

TEST_F(MessageBoxTest, FitsItsTextAndCentresOnItsOwner) {
    auto boxFor = [this](const std::string &text) {
        observed_ = {};
        answerWith({key(VK_RETURN)});
        testing::internal::CaptureStderr();
        MessageBoxA(owner_, text.c_str(), "Sizes", MB_OK);
        testing::internal::GetCapturedStderr();
        return observed_;
    };
    auto height = [](const RECT &r) { return r.bottom - r.top; };
    auto width = [](const RECT &r) { return r.right - r.left; };
    std::string longText;
    for (int i = 0; i < 60; ++i) longText += "calibration ";
    Observed one = boxFor("Short.");
    Observed two = boxFor("Short.\nSecond line.");
    Observed wrapped = boxFor(longText);
    EXPECT_EQ(height(two.textRect), 2 * height(one.textRect));
    EXPECT_GT(height(two.box), height(one.box));
    // The long text wraps into many lines inside a box of bounded width.
    EXPECT_GE(height(wrapped.textRect), 4 * height(one.textRect));
    EXPECT_GT(height(wrapped.box), height(two.box));
    EXPECT_LT(width(wrapped.box), 600);
    EXPECT_LE(wrapped.textRect.right, wrapped.box.right);
    EXPECT_GE(wrapped.textRect.left, wrapped.box.left);
    // Centred on the owner (rounding aside).
    RECT o{};
    GetWindowRect(owner_, &o);
    for (const Observed &box : {one, wrapped}) {
        EXPECT_NEAR(box.box.left + box.box.right, o.left + o.right, 1);
        EXPECT_NEAR(box.box.top + box.box.bottom, o.top + o.bottom, 1);
    }
}

TEST_F(MessageBoxTest, AnswersAtOnceWhenNobodyCanAnswer) {
    // Interactive, but no modal idle handler: the headless answer.
    testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBoxA(owner_, "t", "c", MB_YESNO | kDefButton2), IDNO);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "MessageBox: c: t\n");
    // Not interactive: the idle handler is never asked.
    plat::setInteractiveMessageBoxes(false);
    answerWith({click(IDCANCEL)});
    testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBoxA(owner_, "t", "c", MB_OKCANCEL), IDOK);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "MessageBox: c: t\n");
    EXPECT_EQ(observed_.idleCalls, 0);
    EXPECT_TRUE(IsWindowEnabled(owner_));
}

}  // namespace
