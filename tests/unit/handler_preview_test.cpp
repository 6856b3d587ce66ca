// "预 览": a message when no background is named, otherwise the preview
// window opened without blocking; its timer closes it.
#include <gtest/gtest.h>

#include <vector>

#include "app/routing/preview_handlers.h"
#include "tests/common/expected_texts.h"
#include "tests/unit/fakes.h"

namespace {

using namespace fakes;
namespace texts = expected_texts;

TEST(ShowPreview, WithAnEmptyBackgroundPathSaysSoAndOpensNothing) {
    FakeOemProfile profile;
    FakeUserServices user;
    FakeWindowOperations windows;
    showPreview(profile, user, windows);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, texts::kNoBackgroundChosen);
    EXPECT_EQ(user.messages[0].style, texts::kInformationStyle);
    EXPECT_EQ(user.messages[0].title, texts::kTitle);
    EXPECT_TRUE(windows.calls.empty());
}

class ShowPreviewWithPath : public ::testing::TestWithParam<const char*> {};

// Only a text with no characters is empty; the path is not looked at.
TEST_P(ShowPreviewWithPath, OpensThePreviewWithoutBlocking) {
    FakeOemProfile profile;
    profile.texts[ProfileField::BackgroundPath] = GetParam();
    FakeUserServices user;
    FakeWindowOperations windows;
    showPreview(profile, user, windows);
    EXPECT_EQ(windows.calls,
              (std::vector<WindowCall>{{"load", WindowId::Preview, WindowMode::Modeless}}));
    EXPECT_TRUE(user.messages.empty());
    EXPECT_TRUE(user.log.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, ShowPreviewWithPath,
                         ::testing::Values(" ", "   ", "C:\\no-such-picture.jpg", "x"));

TEST(ClosePreview, DestroysThePreviewWindow) {
    FakeWindowOperations windows;
    closePreview(windows);
    EXPECT_EQ(windows.calls,
              (std::vector<WindowCall>{{"destroy", WindowId::Preview, WindowMode::Modeless}}));
}

}  // namespace
