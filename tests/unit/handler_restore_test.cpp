// "恢复默认": the background switch off first, then the six values emptied,
// nothing else touched, and a truthful message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/routing/event_routing.h"
#include "tests/common/expected_texts.h"
#include "tests/common/oem_registry.h"
#include "tests/unit/fakes.h"
#include "ui/control_ids.h"
#include "ui/main_window_buttons.h"

namespace {

using namespace fakes;
namespace texts = expected_texts;
using namespace oem_registry;

const std::vector<SystemCall> kRestoreCalls = {
    registryNumber(kOemBackgroundValue, 0),
    registryText(oemInformationValue("Logo"), ""),
    registryText(oemInformationValue("Manufacturer"), ""),
    registryText(oemInformationValue("Model"), ""),
    registryText(oemInformationValue("SupportHours"), ""),
    registryText(oemInformationValue("SupportPhone"), ""),
    registryText(oemInformationValue("SupportURL"), ""),
};

class Restore : public ::testing::Test {
protected:
    void SetUp() override {
        profile.texts = {{ProfileField::Manufacturer, "Tarn Works"},
                         {ProfileField::BackgroundPath, "D:\\sea.jpg"}};
        profile.logo = {'B', 'M'};
    }
    // Through the router, as the button reaches it, so the profile is at hand
    // and can be seen to stay untouched.
    void restore() { router.dispatch(*buttonClickEvent(kIdRestoreButton)); }

    FakeSystemServices system;
    FakeUserServices user;
    FakeOemProfile profile;
    FakeWindowOperations windows;
    EventRouter router{profile, system, user, windows};
};

TEST_F(Restore, SwitchesTheBackgroundOffThenEmptiesTheSixValuesAndSaysSo) {
    restore();
    // Every call it makes, reads included: no file, folder or field is touched.
    EXPECT_EQ(system.calls, kRestoreCalls);
    EXPECT_TRUE(profile.writes.empty());
    EXPECT_TRUE(windows.calls.empty());
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, texts::kRestoreDone);
    EXPECT_EQ(user.messages[0].style, texts::kInformationStyle);
    EXPECT_EQ(user.messages[0].title, texts::kRestoreTitle);
}

class RestoreFailure : public Restore, public ::testing::WithParamInterface<const char*> {};

TEST_P(RestoreFailure, StillWritesEverythingAndWarnsNamingTheValue) {
    const Text value = GetParam();
    system.failingPaths.insert(value == "OEMBackground" ? kOemBackgroundValue
                                                        : oemInformationValue(value));
    restore();
    EXPECT_EQ(system.calls, kRestoreCalls);
    ASSERT_EQ(user.messages.size(), 1u);
    const MessageShown& message = user.messages[0];
    EXPECT_EQ(message.style, texts::kWarningStyle);
    EXPECT_EQ(message.title, texts::kTitle);
    EXPECT_NE(message.text.find(value), Text::npos) << message.text;
    EXPECT_NE(message.text.find(texts::kAdministrator), Text::npos) << message.text;
    EXPECT_EQ(message.text.find(texts::kRestoreDone), Text::npos) << message.text;
}

INSTANTIATE_TEST_SUITE_P(EachValue, RestoreFailure,
                         ::testing::Values("OEMBackground", "Logo", "Manufacturer", "Model",
                                           "SupportHours", "SupportPhone", "SupportURL"));

}  // namespace
