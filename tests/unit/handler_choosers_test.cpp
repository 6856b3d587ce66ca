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
};
void PrintTo(const LogoCase& c, std::ostream* out) { *out << c.name; }

class ChooseLogo : public Chooser, public ::testing::WithParamInterface<LogoCase> {};

// The file is read once; what is measured is what the box then holds.
TEST_P(ChooseLogo, AcceptsBelow176By120AndRefusesTheRest) {
    const LogoCase& c = GetParam();
    const Bytes fileBytes = {'B', 'M', 0x01, 0x02, 0x03};
    user.dialogAnswers = {kChosen};
    user.imageSizes[kChosen] = {c.width, c.height};
    system.files[kChosen] = fileBytes;
    chooseLogo(profile, system, user);

    std::vector<Text> expectedLog = {"setDialogFilter", "openFileDialog",
                                     "measurePicture " + kChosen};
    if (!c.accepted) expectedLog.push_back("showMessage");
    EXPECT_EQ(user.log, expectedLog);
    EXPECT_EQ(user.bytesMeasured, std::vector<Bytes>{fileBytes});
    EXPECT_EQ(system.countOf(SystemCallKind::ReadFile), 1);

    if (c.accepted) {
        EXPECT_EQ(profile.writes, (std::vector<std::string>{"LogoPath", "Logo"}));
        EXPECT_EQ(profile.text(ProfileField::LogoPath), kChosen);
        EXPECT_EQ(profile.logo, fileBytes);
        EXPECT_TRUE(user.messages.empty());
    } else {
        EXPECT_TRUE(profile.writes.empty());
        EXPECT_EQ(profile.text(ProfileField::LogoPath), kOldLogoPath);
        EXPECT_EQ(profile.logo, kOldLogo);
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.messages[0].text, texts::kLogoRefused);
        EXPECT_EQ(user.messages[0].style, texts::kInformationStyle);
        EXPECT_EQ(user.messages[0].title, texts::kTitle);
    }
}

INSTANTIATE_TEST_SUITE_P(Limits, ChooseLogo,
                         ::testing::Values(LogoCase{"Largest175x119", 175, 119, true},
                                           LogoCase{"Width176", 176, 10, false},
                                           LogoCase{"FarTooWide", 100000, 1, false},
                                           LogoCase{"Height120", 175, 120, false},
                                           LogoCase{"Height120NarrowWidth", 100, 120, false},
                                           LogoCase{"OnePixel", 1, 1, true},
                                           // A file no decoder reads measures 0 x 0 and passes.
                                           LogoCase{"Undecodable", 0, 0, true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct UnreadLogoCase {
    const char* name;
    // How the file looks to the system: a length without content, content of
    // this many bytes, or neither (the file cannot be opened). A size, not the
    // bytes, so the 16 MiB case costs nothing until it runs.
    std::optional<std::uint64_t> lengthOnly;
    std::optional<std::size_t> contentSize;
    const char* message;  // nothing when accepted
    int reads;
};
void PrintTo(const UnreadLogoCase& c, std::ostream* out) { *out << c.name; }

class ChooseLogoFile : public Chooser, public ::testing::WithParamInterface<UnreadLogoCase> {};

// A file that cannot be read, or is far longer than any logo, is refused when
// chosen, with one message, and nothing changes.
TEST_P(ChooseLogoFile, ThatCannotBeALogoIsRefusedWhenChosen) {
    const UnreadLogoCase& c = GetParam();
    user.dialogAnswers = {kChosen};
    if (c.lengthOnly) system.lengthsWithoutContent[kChosen] = *c.lengthOnly;
    const Bytes content(c.contentSize.value_or(0), 0x20);
    if (c.contentSize) system.files[kChosen] = content;
    chooseLogo(profile, system, user);

    EXPECT_EQ(system.countOf(SystemCallKind::ReadFile), c.reads);
    if (c.message == nullptr) {
        EXPECT_TRUE(user.messages.empty());
        EXPECT_EQ(profile.text(ProfileField::LogoPath), kChosen);
        EXPECT_EQ(profile.logo, content);
        return;
    }
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, c.message);
    EXPECT_EQ(user.messages[0].style, texts::kInformationStyle);
    EXPECT_EQ(user.messages[0].title, texts::kTitle);
    EXPECT_TRUE(profile.writes.empty());
    EXPECT_EQ(profile.text(ProfileField::LogoPath), kOldLogoPath);
    EXPECT_EQ(profile.logo, kOldLogo);
    EXPECT_TRUE(user.bytesMeasured.empty());
}

constexpr std::size_t k16MiB = 16u * 1024 * 1024;

INSTANTIATE_TEST_SUITE_P(
    Cases, ChooseLogoFile,
    ::testing::Values(
        // Held open by a program that shares nothing, or a name the dialog
        // could not give back in code page 936: it cannot even be opened.
        UnreadLogoCase{"CannotBeOpened", std::nullopt, std::nullopt, texts::kLogoUnreadable, 0},
        UnreadLogoCase{"OpenedButNotRead", 500u, std::nullopt, texts::kLogoUnreadable, 1},
        UnreadLogoCase{"Over16MiBIsNeverRead", k16MiB + 1, std::nullopt, texts::kLogoRefused, 0},
        UnreadLogoCase{"Over4GiBIsNeverRead", (std::uint64_t{1} << 32) + 10, std::nullopt,
                       texts::kLogoRefused, 0},
        UnreadLogoCase{"Exactly16MiBIsRead", std::nullopt, k16MiB, nullptr, 1},
        // Readable and empty: it measures 0 x 0 and passes; an apply says so.
        UnreadLogoCase{"EmptyFile", std::nullopt, 0u, nullptr, 1}),
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
