// The two "浏 览..." choosers: their filters, their limits, what a refusal
// says, and which fields an acceptance writes.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "profile/choose_background.h"
#include "profile/choose_logo.h"
#include "tests/common/expected_texts.h"
#include "tests/unit/fakes.h"

namespace {

using namespace fakes;
namespace texts = expected_texts;

const Text kChosen = "D:\\pictures\\chosen.bmp";
const Text kOldLogoPath = "D:\\old.bmp";
const Text kOldBackgroundPath = "D:\\old.jpg";
const Bytes kOldLogo = {'B', 'M', 'o', 'l', 'd'};

class Chooser : public ::testing::Test {
protected:
    void SetUp() override {
        profile.texts = {{ProfileField::Manufacturer, "Tarn Works"},
                         {ProfileField::LogoPath, kOldLogoPath},
                         {ProfileField::BackgroundPath, kOldBackgroundPath}};
        profile.logo = kOldLogo;
    }
    FakeSystemServices system;
    FakeUserServices user;
    FakeOemProfile profile;
};

struct CancelCase {
    const char* name;
    void (*choose)(OemProfile&, SystemServices&, UserServices&);
    const char* filter;
};
void PrintTo(const CancelCase& c, std::ostream* out) { *out << c.name; }

class ChooserCancelled : public Chooser, public ::testing::WithParamInterface<CancelCase> {};

// The filter is set, byte for byte, before the dialog opens; a cancel then
// looks at nothing and changes nothing.
TEST_P(ChooserCancelled, SetsItsFilterAndChangesNothing) {
    user.dialogAnswers = {std::nullopt};
    GetParam().choose(profile, system, user);
    EXPECT_EQ(user.filtersSet, std::vector<Text>{GetParam().filter});
    EXPECT_EQ(user.log, (std::vector<Text>{"setDialogFilter", "openFileDialog"}));
    EXPECT_TRUE(system.calls.empty());
    EXPECT_TRUE(profile.writes.empty());
    EXPECT_TRUE(user.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Both, ChooserCancelled,
                         ::testing::Values(CancelCase{"Logo", chooseLogo, texts::kLogoFilter},
                                           CancelCase{"Background", chooseBackground,
                                                      texts::kBackgroundFilter}),
                         [](const auto& info) { return std::string(info.param.name); });

struct LogoCase {
    const char* name;
    int width;
    int height;
    bool accepted;
    bool heightMeasured;
    bool readable = true;
};
void PrintTo(const LogoCase& c, std::ostream* out) { *out << c.name; }

class ChooseLogo : public Chooser, public ::testing::WithParamInterface<LogoCase> {};

TEST_P(ChooseLogo, AcceptsBelow176By120AndRefusesTheRest) {
    const LogoCase& c = GetParam();
    const Bytes fileBytes = {'B', 'M', 0x01, 0x02, 0x03};
    user.dialogAnswers = {kChosen};
    user.imageSizes[kChosen] = {c.width, c.height};
    if (c.readable) system.files[kChosen] = fileBytes;
    chooseLogo(profile, system, user);

    std::vector<Text> expectedLog = {"setDialogFilter", "openFileDialog", "imageWidth " + kChosen};
    if (c.heightMeasured) expectedLog.push_back("imageHeight " + kChosen);
    if (!c.accepted) expectedLog.push_back("showMessage");
    EXPECT_EQ(user.log, expectedLog);

    if (c.accepted) {
        EXPECT_EQ(profile.writes, (std::vector<std::string>{"LogoPath", "Logo"}));
        EXPECT_EQ(profile.text(ProfileField::LogoPath), kChosen);
        EXPECT_EQ(profile.logo, c.readable ? fileBytes : Bytes{});
        EXPECT_EQ(system.countOf(SystemCallKind::ReadFile), 1);
        EXPECT_TRUE(user.messages.empty());
    } else {
        EXPECT_TRUE(profile.writes.empty());
        EXPECT_EQ(profile.text(ProfileField::LogoPath), kOldLogoPath);
        EXPECT_EQ(profile.logo, kOldLogo);
        EXPECT_TRUE(system.calls.empty()) << "a refused file is not read";
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.messages[0].text, texts::kLogoRefused);
        EXPECT_EQ(user.messages[0].style, texts::kInformationStyle);
        EXPECT_EQ(user.messages[0].title, texts::kTitle);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, ChooseLogo,
    ::testing::Values(LogoCase{"Largest175x119", 175, 119, true, true},
                      LogoCase{"Width176RefusedWithoutMeasuringHeight", 176, 10, false, false},
                      LogoCase{"FarTooWide", 100000, 1, false, false},
                      LogoCase{"Height120", 175, 120, false, true},
                      LogoCase{"Height120NarrowWidth", 100, 120, false, true},
                      LogoCase{"OnePixel", 1, 1, true, true},
                      // A file no decoder reads measures 0 x 0 and passes.
                      LogoCase{"Undecodable", 0, 0, true, true},
                      // Measured but then unreadable: the box holds no picture.
                      LogoCase{"MeasuredThenUnreadable", 60, 40, true, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct BackgroundCase {
    const char* name;
    std::optional<std::uint64_t> length;  // nothing: the file cannot be opened
    bool accepted;
};
void PrintTo(const BackgroundCase& c, std::ostream* out) { *out << c.name; }

class ChooseBackground : public Chooser, public ::testing::WithParamInterface<BackgroundCase> {};

TEST_P(ChooseBackground, AcceptsAtMost250000BytesWithoutLookingAtTheContent) {
    const BackgroundCase& c = GetParam();
    const Text chosen = "D:\\pictures\\chosen.jpg";
    user.dialogAnswers = {chosen};
    if (c.length) {
        system.lengthsWithoutContent[chosen] = *c.length;
    } else {
        system.failingPaths.insert(chosen);
    }
    chooseBackground(profile, system, user);

    EXPECT_EQ(system.countOf(SystemCallKind::ReadFile), 0) << "only the length is learnt";
    if (c.accepted) {
        EXPECT_EQ(profile.writes, std::vector<std::string>{"BackgroundPath"});
        EXPECT_EQ(profile.text(ProfileField::BackgroundPath), chosen);
        EXPECT_TRUE(user.messages.empty());
    } else {
        EXPECT_TRUE(profile.writes.empty());
        EXPECT_EQ(profile.text(ProfileField::BackgroundPath), kOldBackgroundPath);
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.messages[0].text, texts::kBackgroundRefused);
        EXPECT_EQ(user.messages[0].style, texts::kInformationStyle);
        EXPECT_EQ(user.messages[0].title, texts::kTitle);
    }
    EXPECT_EQ(profile.logo, kOldLogo);
}

INSTANTIATE_TEST_SUITE_P(Limits, ChooseBackground,
                         ::testing::Values(BackgroundCase{"Exactly250000", 250000u, true},
                                           BackgroundCase{"Just250001", 250001u, false},
                                           BackgroundCase{"Full256KB", 256000u, false},
                                           BackgroundCase{"Empty", 0u, true},
                                           // Counts as empty, as a file that reads as nothing does.
                                           BackgroundCase{"Unreadable", std::nullopt, true},
                                           // A length past 32 bits is not cut down to a small one.
                                           BackgroundCase{"Over4GiB",
                                                          (std::uint64_t{1} << 32) + 100, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
