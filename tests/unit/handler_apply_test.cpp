// "确 认": what an apply writes, in which order and where, what it leaves
// alone, and how it reports each kind of failure.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "system/apply_oem_settings.h"
#include "tests/common/expected_texts.h"
#include "tests/common/oem_registry.h"
#include "tests/unit/fakes.h"

namespace {

using namespace fakes;
namespace texts = expected_texts;
using namespace oem_registry;

const Text kInfo = "C:\\Windows\\System32\\oobe\\info";
const Text kBackgrounds = kInfo + "\\Backgrounds";
const Text kLogoFile = kInfo + "\\oemlogo.bmp";
const Text kBackgroundFile = kBackgrounds + "\\BackgroundDefault.jpg";
const Text kChosenBackground = "D:\\pictures\\sea.jpg";

const Bytes kLogo = {'B', 'M', 0x3A, 0x00, 0x01, 0xFF};
const Bytes kBackground = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F'};

// The writes of an apply whose Windows folder is `windows`, from `profile`.
std::vector<SystemCall> writesOfAnApply(const Text& windows, const FakeOemProfile& profile,
                                        const Bytes& logo, const Bytes& background) {
    const Text info = windows + "\\System32\\oobe\\info";
    return {
        createDirectory(info),
        createDirectory(info + "\\Backgrounds"),
        writeFile(info + "\\oemlogo.bmp", logo),
        writeFile(info + "\\Backgrounds\\BackgroundDefault.jpg", background),
        registryText(oemInformationValue("Manufacturer"), profile.text(ProfileField::Manufacturer)),
        registryText(oemInformationValue("Model"), profile.text(ProfileField::Model)),
        registryText(oemInformationValue("SupportHours"), profile.text(ProfileField::SupportHours)),
        registryText(oemInformationValue("SupportPhone"), profile.text(ProfileField::SupportPhone)),
        registryText(oemInformationValue("SupportURL"), profile.text(ProfileField::SupportUrl)),
        registryText(oemInformationValue("Logo"), info + "\\oemlogo.bmp"),
        registryNumber(kOemBackgroundValue, 1),
    };
}

// The failed items a warning lists, one a line, indented.
std::vector<Text> listedItems(const Text& message) {
    std::vector<Text> items;
    std::size_t start = 0;
    while (start < message.size()) {
        std::size_t end = message.find("\r\n", start);
        if (end == Text::npos) end = message.size();
        const Text line = message.substr(start, end - start);
        if (line.rfind("    ", 0) == 0) items.push_back(line.substr(4));
        start = end + 2;
    }
    return items;
}

class Apply : public ::testing::Test {
protected:
    void SetUp() override {
        profile.texts = {
            {ProfileField::Manufacturer, "Tarn Works"},
            {ProfileField::Model, "TW-7"},
            {ProfileField::SupportPhone, "400-100-2000"},
            {ProfileField::SupportHours, "9:00-17:00"},
            {ProfileField::SupportUrl, "https://support.example.cn"},
            {ProfileField::LogoPath, "D:\\never-read.bmp"},
            {ProfileField::BackgroundPath, kChosenBackground},
        };
        profile.logo = kLogo;
        system.files[kChosenBackground] = kBackground;
    }

    void apply() { applyOemSettings(profile, system, user); }

    void expectWarningListing(const std::vector<Text>& itemEndings) {
        ASSERT_EQ(user.messages.size(), 1u);
        const MessageShown& message = user.messages[0];
        EXPECT_EQ(message.style, texts::kWarningStyle);
        EXPECT_EQ(message.title, texts::kTitle);
        EXPECT_NE(message.text.find(texts::kAdministrator), Text::npos) << message.text;
        const std::vector<Text> items = listedItems(message.text);
        ASSERT_EQ(items.size(), itemEndings.size()) << message.text;
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_NE(items[i].find(itemEndings[i]), Text::npos)
                << "item " << i << " is \"" << items[i] << "\", expected it to name "
                << itemEndings[i];
        }
    }

    FakeSystemServices system;
    FakeUserServices user;
    FakeOemProfile profile;
};

TEST_F(Apply, WritesFoldersFilesAndValuesInOrderThenSaysItIsDone) {
    apply();

    EXPECT_EQ(system.writes(), writesOfAnApply("C:\\Windows", profile, kLogo, kBackground));
    // The background is read at the time of the apply; the logo path never is.
    EXPECT_EQ(system.countOf(SystemCallKind::ReadFile), 1);
    EXPECT_EQ(system.files[kLogoFile], kLogo);
    EXPECT_EQ(system.files[kBackgroundFile], kBackground);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, texts::kApplyDone);
    EXPECT_EQ(user.messages[0].style, texts::kInformationStyle);
    EXPECT_EQ(user.messages[0].title, texts::kTitle);
    EXPECT_TRUE(profile.writes.empty());
}

TEST_F(Apply, TakesTheFieldsExactlyAsTheyStandAndEmptyOnesAsEmptyTexts) {
    profile.texts[ProfileField::Manufacturer] = "";
    profile.texts[ProfileField::Model] = "  padded model  ";
    profile.texts[ProfileField::SupportPhone] = "";
    profile.texts[ProfileField::SupportHours] = "\xC8\xAB\xCC\xEC";  // 全天
    profile.texts[ProfileField::SupportUrl] = "";
    apply();

    EXPECT_EQ(system.writes(), writesOfAnApply("C:\\Windows", profile, kLogo, kBackground));
    EXPECT_EQ(system.registry[oemInformationValue("Manufacturer")].text, "");
    EXPECT_EQ(system.registry[oemInformationValue("Model")].text, "  padded model  ");
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, texts::kApplyDone);
}

TEST_F(Apply, TheBackgroundIsReadAgainAtEachApply) {
    apply();
    const Bytes changed = {0xFF, 0xD8, 'n', 'e', 'w'};
    system.files[kChosenBackground] = changed;
    apply();
    EXPECT_EQ(system.files[kBackgroundFile], changed);
}

TEST_F(Apply, FoldersThatExistAlreadyAreNoFailure) {
    system.directories.insert({kInfo, kBackgrounds});
    apply();
    EXPECT_EQ(system.files[kLogoFile], kLogo);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, texts::kApplyDone);
}

struct EmptySourceCase {
    const char* name;
    bool noLogo;
    bool noBackgroundPath;
    bool emptyBackgroundFile = false;
};
void PrintTo(const EmptySourceCase& c, std::ostream* out) { *out << c.name; }

class ApplyWithEmptySource : public Apply, public ::testing::WithParamInterface<EmptySourceCase> {};

// An empty source leaves the file that is there as it was, and is no failure.
TEST_P(ApplyWithEmptySource, LeavesThatFileAloneAndWritesEverythingElse) {
    const Bytes oldLogo = {'B', 'M', 'o', 'l', 'd'};
    const Bytes oldBackground = {0xFF, 0xD8, 'o', 'l', 'd'};
    system.directories.insert({kInfo, kBackgrounds});
    system.files[kLogoFile] = oldLogo;
    system.files[kBackgroundFile] = oldBackground;
    if (GetParam().noLogo) profile.logo.clear();
    if (GetParam().noBackgroundPath) profile.texts[ProfileField::BackgroundPath] = "";
    if (GetParam().emptyBackgroundFile) system.files[kChosenBackground] = Bytes{};
    apply();

    const bool noBackground = GetParam().noBackgroundPath || GetParam().emptyBackgroundFile;
    std::vector<SystemCall> expected = writesOfAnApply("C:\\Windows", profile, kLogo, kBackground);
    if (noBackground) expected.erase(expected.begin() + 3);
    if (GetParam().noLogo) expected.erase(expected.begin() + 2);
    EXPECT_EQ(system.writes(), expected);
    EXPECT_EQ(system.files[kLogoFile], GetParam().noLogo ? oldLogo : kLogo);
    EXPECT_EQ(system.files[kBackgroundFile], noBackground ? oldBackground : kBackground);
    if (GetParam().noBackgroundPath) {
        EXPECT_EQ(system.countOf(SystemCallKind::ReadFile), 0);
    }
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, texts::kApplyDone);
    EXPECT_EQ(user.messages[0].style, texts::kInformationStyle);
}

INSTANTIATE_TEST_SUITE_P(Cases, ApplyWithEmptySource,
                         ::testing::Values(EmptySourceCase{"NoLogoBytes", true, false},
                                           EmptySourceCase{"NoBackgroundPath", false, true},
                                           EmptySourceCase{"Neither", true, true},
                                           EmptySourceCase{"EmptyBackgroundFile", false, false,
                                                           true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Apply, AnUnreadableBackgroundIsNotWrittenAndIsReported) {
    const Bytes oldBackground = {0xFF, 0xD8, 'o', 'l', 'd'};
    system.directories.insert({kInfo, kBackgrounds});
    system.files[kBackgroundFile] = oldBackground;
    system.files.erase(kChosenBackground);
    apply();

    std::vector<SystemCall> expected = writesOfAnApply("C:\\Windows", profile, kLogo, {});
    expected.erase(expected.begin() + 3);
    EXPECT_EQ(system.writes(), expected) << "every other step runs, OEMBackground = 1 included";
    EXPECT_EQ(system.files[kBackgroundFile], oldBackground);
    expectWarningListing({kChosenBackground});
}

TEST_F(Apply, TheBackgroundNamingTheTargetItselfKeepsItsContent) {
    system.directories.insert({kInfo, kBackgrounds});
    system.files[kBackgroundFile] = kBackground;
    profile.texts[ProfileField::BackgroundPath] = kBackgroundFile;
    apply();
    EXPECT_EQ(system.files[kBackgroundFile], kBackground);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, texts::kApplyDone);
}

struct FailureCase {
    const char* name;
    Text failingPath;
    // What each listed item names, in the order of the steps.
    std::vector<Text> itemsNamed;
};
void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class ApplyFailure : public Apply, public ::testing::WithParamInterface<FailureCase> {};

// Every step still runs, nothing is undone, and the message lists exactly
// the items that failed.
TEST_P(ApplyFailure, TurnsTheMessageIntoAWarningNamingTheFailedItems) {
    system.failingPaths.insert(GetParam().failingPath);
    apply();
    EXPECT_EQ(system.writes(), writesOfAnApply("C:\\Windows", profile, kLogo, kBackground));
    expectWarningListing(GetParam().itemsNamed);
}

INSTANTIATE_TEST_SUITE_P(
    EachKind, ApplyFailure,
    ::testing::Values(
        // Nothing can go into a folder that could not be made.
        FailureCase{"InfoFolder",
                    kInfo,
                    {"oobe\\info", "\\Backgrounds", "oemlogo.bmp", "BackgroundDefault.jpg"}},
        FailureCase{"BackgroundsFolder", kBackgrounds, {"\\Backgrounds", "BackgroundDefault.jpg"}},
        FailureCase{"LogoFile", kLogoFile, {"oemlogo.bmp"}},
        FailureCase{"BackgroundFile", kBackgroundFile, {"BackgroundDefault.jpg"}},
        FailureCase{"Manufacturer", oemInformationValue("Manufacturer"), {"Manufacturer"}},
        FailureCase{"Model", oemInformationValue("Model"), {"Model"}},
        FailureCase{"SupportHours", oemInformationValue("SupportHours"), {"SupportHours"}},
        FailureCase{"SupportPhone", oemInformationValue("SupportPhone"), {"SupportPhone"}},
        FailureCase{"SupportURL", oemInformationValue("SupportURL"), {"SupportURL"}},
        FailureCase{"Logo", oemInformationValue("Logo"), {"Logo"}},
        FailureCase{"OEMBackground", kOemBackgroundValue, {"OEMBackground"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct WindowsFolderCase {
    const char* name;
    Text windowsFolder;
    Text pathsUnder;
};
void PrintTo(const WindowsFolderCase& c, std::ostream* out) { *out << c.name; }

class ApplyWindowsFolder : public Apply, public ::testing::WithParamInterface<WindowsFolderCase> {};

TEST_P(ApplyWindowsFolder, PathsAndTheLogoValueLieUnderTheSystemsWindowsFolder) {
    system.windowsFolder = GetParam().windowsFolder;
    system.directories.insert(GetParam().pathsUnder + "\\System32\\oobe");
    apply();
    EXPECT_EQ(system.writes(), writesOfAnApply(GetParam().pathsUnder, profile, kLogo, kBackground));
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, texts::kApplyDone);
}

INSTANTIATE_TEST_SUITE_P(Cases, ApplyWindowsFolder,
                         ::testing::Values(
                             // C:\Windows in any case, with or without a final backslash, gives
                             // the literal paths.
                             WindowsFolderCase{"AsWritten", "C:\\Windows", "C:\\Windows"},
                             WindowsFolderCase{"UpperCase", "C:\\WINDOWS", "C:\\Windows"},
                             WindowsFolderCase{"LowerCaseWithBackslash", "c:\\windows\\",
                                               "C:\\Windows"},
                             WindowsFolderCase{"Unknown", "", "C:\\Windows"},
                             WindowsFolderCase{"OtherDrive", "D:\\Win", "D:\\Win"},
                             WindowsFolderCase{"OtherName", "C:\\WINNT", "C:\\WINNT"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
