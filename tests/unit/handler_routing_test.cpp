// Each button of MainWindow reaches its own handler, and the window's other
// events reach theirs.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/routing/event_routing.h"
#include "profile/brand_presets.h"
#include "tests/common/expected_texts.h"
#include "tests/common/oem_registry.h"
#include "tests/unit/fakes.h"
#include "ui/control_ids.h"
#include "ui/main_window_buttons.h"

namespace {

using namespace fakes;
namespace texts = expected_texts;
using namespace oem_registry;

struct Fakes {
    // The profile holds a logo, as it does from the start.
    Fakes() { profile.logo = {'B', 'M', 0x10}; }

    FakeSystemServices system;
    FakeUserServices user;  // every dialog is cancelled
    FakeOemProfile profile;
    FakeWindowOperations windows;
    EventRouter router{profile, system, user, windows};
};

struct ButtonCase {
    const char* name;
    int controlId;
    // Holds when the click reached the right handler.
    std::function<void(const Fakes&)> expectReached;
};
void PrintTo(const ButtonCase& c, std::ostream* out) { *out << c.name; }

class ButtonClick : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(ButtonClick, ReachesItsHandler) {
    Fakes fakes;
    const std::optional<WindowEvent> event = buttonClickEvent(GetParam().controlId);
    ASSERT_TRUE(event.has_value());
    fakes.router.dispatch(*event);
    GetParam().expectReached(fakes);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindowButtons, ButtonClick,
    ::testing::Values(
        ButtonCase{"LogoBrowse", kIdLogoBrowseButton,
                   [](const Fakes& f) {
                       EXPECT_EQ(f.user.filtersSet, std::vector<Text>{texts::kLogoFilter});
                   }},
        ButtonCase{"BackgroundBrowse", kIdBackgroundBrowseButton,
                   [](const Fakes& f) {
                       EXPECT_EQ(f.user.filtersSet, std::vector<Text>{texts::kBackgroundFilter});
                   }},
        ButtonCase{"Preview", kIdPreviewButton,
                   [](const Fakes& f) {
                       ASSERT_EQ(f.user.messages.size(), 1u);
                       EXPECT_EQ(f.user.messages[0].text, texts::kNoBackgroundChosen);
                   }},
        ButtonCase{"About", kIdAboutButton,
                   [](const Fakes& f) {
                       EXPECT_EQ(
                           f.windows.calls,
                           (std::vector<WindowCall>{{"load", WindowId::About, WindowMode::Modal}}));
                   }},
        ButtonCase{"Restore", kIdRestoreButton,
                   [](const Fakes& f) {
                       ASSERT_FALSE(f.system.calls.empty());
                       EXPECT_EQ(f.system.calls[0], registryNumber(kOemBackgroundValue, 0));
                       ASSERT_EQ(f.user.messages.size(), 1u);
                       EXPECT_EQ(f.user.messages[0].text, texts::kRestoreDone);
                   }},
        ButtonCase{"Apply", kIdApplyButton,
                   [](const Fakes& f) {
                       ASSERT_FALSE(f.system.writes().empty());
                       EXPECT_EQ(f.system.writes()[0],
                                 createDirectory("C:\\Windows\\System32\\oobe\\info"));
                       ASSERT_EQ(f.user.messages.size(), 1u);
                       EXPECT_EQ(f.user.messages[0].text, texts::kApplyDone);
                   }},
        ButtonCase{"Exit", kIdExitButton,
                   [](const Fakes& f) {
                       EXPECT_EQ(f.windows.calls,
                                 (std::vector<WindowCall>{
                                     {"destroy", WindowId::Main, WindowMode::Modeless}}));
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ButtonClick, ControlsThatAreNotButtonsRaiseNoClick) {
    for (int controlId : {0, static_cast<int>(kIdBrandList), static_cast<int>(kIdManufacturerEdit),
                          static_cast<int>(kIdLogoPicture), static_cast<int>(kIdBanner)}) {
        EXPECT_FALSE(buttonClickEvent(controlId).has_value()) << controlId;
    }
}

class PresetEvent : public ::testing::TestWithParam<WindowEvent> {};

// The created event fills the window before it is first shown; a brand
// chosen in the list fills it again.
TEST_P(PresetEvent, AppliesTheChosenBrand) {
    Fakes fakes;
    fakes.profile.brandIndex = 3;
    fakes.router.dispatch(GetParam());
    EXPECT_EQ(fakes.profile.text(ProfileField::Manufacturer), brandPreset(3)->manufacturer);
    EXPECT_EQ(fakes.profile.logo.size(), brandPreset(3)->logoSize);
    EXPECT_TRUE(fakes.system.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(Events, PresetEvent,
                         ::testing::Values(WindowEvent::MainWindowCreated,
                                           WindowEvent::BrandSelected));

TEST(PreviewTimer, ClosesThePreview) {
    Fakes fakes;
    fakes.router.dispatch(WindowEvent::PreviewTimerElapsed);
    EXPECT_EQ(fakes.windows.calls,
              (std::vector<WindowCall>{{"destroy", WindowId::Preview, WindowMode::Modeless}}));
}

}  // namespace
