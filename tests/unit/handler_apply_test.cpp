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

const Text kDisableLogonBackgroundImage =
    "SOFTWARE\\Policies\\Microsoft\\Windows\\System\\DisableLogonBackgroundImage";

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

    static constexpr bool kAdviceToRunAsAdministrator = true;
    static constexpr bool kNoAdvice = false;

    void expectWarningListing(const std::vector<Text>& itemEndings, bool administratorAdvice) {
        ASSERT_EQ(user.messages.size(), 1u);
        const MessageShown& message = user.messages[0];
        EXPECT_EQ(message.style, texts::kWarningStyle);
        EXPECT_EQ(message.title, texts::kTitle);
        EXPECT_EQ(message.text.rfind(texts::kApplyFailedFirstLine, 0), 0u) << message.text;
        EXPECT_EQ(message.text.find(texts::kAdministrator) != Text::npos, administratorAdvice)
            << message.text;
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
    bool emptyBackgroundFile;
    // What each listed item names; none when the apply counts as done.
    std::vector<Text> itemsNamed;
};
void PrintTo(const EmptySourceCase& c, std::ostream* out) { *out << c.name; }

class ApplyWithEmptySource : public Apply, public ::testing::WithParamInterface<EmptySourceCase> {};

// An empty source never replaces the file that is there. A chosen logo or
// background that holds nothing is a failure; no background named is none.
TEST_P(ApplyWithEmptySource, LeavesThatFileAloneAndWritesEverythingElse) {
    const EmptySourceCase& c = GetParam();
    const Bytes oldLogo = {'B', 'M', 'o', 'l', 'd'};
    const Bytes oldBackground = {0xFF, 0xD8, 'o', 'l', 'd'};
    system.directories.insert({kInfo, kBackgrounds});
    system.files[kLogoFile] = oldLogo;
    system.files[kBackgroundFile] = oldBackground;
    if (c.noLogo) profile.logo.clear();
    if (c.noBackgroundPath) profile.texts[ProfileField::BackgroundPath] = "";
    if (c.emptyBackgroundFile) system.files[kChosenBackground] = Bytes{};
    apply();

    const bool noBackground = c.noBackgroundPath || c.emptyBackgroundFile;
    std::vector<SystemCall> expected = writesOfAnApply("C:\\Windows", profile, kLogo, kBackground);
    if (noBackground) expected.erase(expected.begin() + 3);
    if (c.noLogo) expected.erase(expected.begin() + 2);
    EXPECT_EQ(system.writes(), expected) << "every other step runs, OEMBackground = 1 included";
    EXPECT_EQ(system.files[kLogoFile], c.noLogo ? oldLogo : kLogo);
    EXPECT_EQ(system.files[kBackgroundFile], noBackground ? oldBackground : kBackground);
    if (c.noBackgroundPath) {
        EXPECT_EQ(system.countOf(SystemCallKind::ReadFile), 0);
    }
    if (c.itemsNamed.empty()) {
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.messages[0].text, texts::kApplyDone);
        EXPECT_EQ(user.messages[0].style, texts::kInformationStyle);
    } else {
        expectWarningListing(c.itemsNamed, kNoAdvice);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ApplyWithEmptySource,
    ::testing::Values(
        EmptySourceCase{"NoBackgroundPath", false, true, false, {}},
        EmptySourceCase{"NoLogoBytes", true, false, false, {texts::kEmptyLogoItem}},
        EmptySourceCase{"NoLogoBytesNoBackgroundPath", true, true, false, {texts::kEmptyLogoItem}},
        EmptySourceCase{"EmptyBackgroundFile",
                        false,
                        false,
                        true,
                        {kChosenBackground + " " + texts::kEmptyBackgroundItem}},
        EmptySourceCase{
            "BothEmpty", true, false, true, {texts::kEmptyLogoItem, texts::kEmptyBackgroundItem}}),
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
    expectWarningListing({kChosenBackground}, kNoAdvice);
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
    expectWarningListing(GetParam().itemsNamed, kAdviceToRunAsAdministrator);
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

// The line of the failed item that names `itemEnding`, or empty.
Text lineNaming(const Text& message, const Text& itemEnding) {
    for (const Text& item : listedItems(message)) {
        if (item.find(itemEnding) != Text::npos) return item;
    }
    return {};
}

struct CauseCase {
    const char* name;
    WriteResult result;
    Text causeText;
    bool administratorAdvice;
};
void PrintTo(const CauseCase& c, std::ostream* out) { *out << c.name; }

class ApplyFailureCause : public Apply, public ::testing::WithParamInterface<CauseCase> {};

// Each item says why it failed; only a denied access sends the user to run
// the program as administrator.
TEST_P(ApplyFailureCause, IsGivenBesideTheItemWithAdviceThatFitsIt) {
    const CauseCase& c = GetParam();
    system.failingPaths.insert(kLogoFile);
    system.failureCauses[kLogoFile] = c.result;
    apply();
    expectWarningListing({"oemlogo.bmp"}, c.administratorAdvice);
    const Text& message = user.messages.at(0).text;
    EXPECT_EQ(lineNaming(message, "oemlogo.bmp"),
              "LOGO\xCE\xC4\xBC\xFE " + kLogoFile + "\xA3\xA8" + c.causeText + "\xA3\xA9")
        << message;
    if (!c.administratorAdvice) {
        EXPECT_EQ(message.substr(message.size() - 2), "\xA3\xA9") << "nothing after the list";
    }
}

INSTANTIATE_TEST_SUITE_P(
    FromTheSystemsErrorCode, ApplyFailureCause,
    ::testing::Values(
        CauseCase{"AccessDenied", WriteResult::fromSystemError(5), texts::kCauseAccessDenied, true},
        CauseCase{"SharingViolation", WriteResult::fromSystemError(32), texts::kCauseInUse, false},
        CauseCase{"LockViolation", WriteResult::fromSystemError(33), texts::kCauseInUse, false},
        CauseCase{"MappedByAnotherProgram", WriteResult::fromSystemError(1224), texts::kCauseInUse,
                  false},
        CauseCase{"DiskFull", WriteResult::fromSystemError(112), texts::kCauseDiskFull, false},
        CauseCase{"HandleDiskFull", WriteResult::fromSystemError(39), texts::kCauseDiskFull, false},
        CauseCase{"AlreadyExists", WriteResult::fromSystemError(183), texts::kCauseInTheWay, false},
        CauseCase{"FileExists", WriteResult::fromSystemError(80), texts::kCauseInTheWay, false},
        CauseCase{"DirectoryNameInvalid", WriteResult::fromSystemError(267), texts::kCauseInTheWay,
                  false},
        CauseCase{"AFolderAtTheFilesPath", WriteResult::because(WriteFailure::InTheWay),
                  texts::kCauseInTheWay, false},
        CauseCase{"PathNotFound", WriteResult::fromSystemError(3), texts::kCauseNotFound, false},
        CauseCase{"FileNotFound", WriteResult::fromSystemError(2), texts::kCauseNotFound, false},
        // What has no plain name is given by its number.
        CauseCase{"AnyOtherCode", WriteResult::fromSystemError(1117),
                  Text(texts::kCauseSystemErrorCode) + "1117", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Apply, TheAdviceComesOnceAfterTheListWhenAnyItemWasDenied) {
    system.failingPaths = {kLogoFile, oemInformationValue("Model")};
    system.failureCauses[kLogoFile] = WriteResult::fromSystemError(32);
    apply();
    expectWarningListing({"oemlogo.bmp", "Model"}, kAdviceToRunAsAdministrator);
    const Text& message = user.messages.at(0).text;
    const Text advice = Text("\r\n\r\n") + texts::kRunAsAdministrator;
    ASSERT_GE(message.size(), advice.size());
    EXPECT_EQ(message.substr(message.size() - advice.size()), advice);
    EXPECT_NE(lineNaming(message, "oemlogo.bmp").find(texts::kCauseInUse), Text::npos);
    EXPECT_NE(lineNaming(message, "Model").find(texts::kCauseAccessDenied), Text::npos);
}

// What stands in the way is found by the calls themselves: a file where a
// folder belongs, a folder where the logo file belongs.
TEST_F(Apply, AFileWhereAFolderBelongsIsInTheWay) {
    system.files[kInfo] = Bytes{'x'};
    apply();
    const Text& message = user.messages.at(0).text;
    EXPECT_NE(lineNaming(message, "oobe\\info").find(texts::kCauseInTheWay), Text::npos) << message;
    EXPECT_EQ(message.find(texts::kAdministrator), Text::npos) << message;
}

TEST_F(Apply, AFolderWhereTheLogoBelongsIsInTheWay) {
    system.directories.insert({kInfo, kBackgrounds, kLogoFile});
    apply();
    expectWarningListing({"oemlogo.bmp"}, kNoAdvice);
    EXPECT_NE(lineNaming(user.messages.at(0).text, "oemlogo.bmp").find(texts::kCauseInTheWay),
              Text::npos);
}

struct VersionCase {
    const char* name;
    WindowsVersion version;
    bool helpCustomized;
    bool noLogonBackground;
    Text expectedText;
};
void PrintTo(const VersionCase& c, std::ostream* out) { *out << c.name; }

class ApplyOnWindowsVersion : public Apply, public ::testing::WithParamInterface<VersionCase> {};

// Windows 7 and earlier hear exactly the old sentence. Later ones hear what
// they will not show, and which policy hides more; the writes never change.
TEST_P(ApplyOnWindowsVersion, TellsWhatThisWindowsShows) {
    const VersionCase& c = GetParam();
    system.version = c.version;
    if (c.helpCustomized) {
        system.registry[oemInformationValue("HelpCustomized")] = {true, {}, 1};
    }
    if (c.noLogonBackground) {
        system.registry[kDisableLogonBackgroundImage] = {true, {}, 1};
    }
    apply();
    EXPECT_EQ(system.writes(), writesOfAnApply("C:\\Windows", profile, kLogo, kBackground));
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, c.expectedText);
    EXPECT_EQ(user.messages[0].style, texts::kInformationStyle);
    EXPECT_EQ(user.messages[0].title, texts::kTitle);
}

const Text kDoneWithNote = Text(texts::kApplyDone) + "\r\n\r\n" + texts::kWindows8Note;

INSTANTIATE_TEST_SUITE_P(
    Table, ApplyOnWindowsVersion,
    ::testing::Values(VersionCase{"WindowsXp", {5, 1}, false, false, texts::kApplyDone},
                      VersionCase{"Windows7", {6, 1}, false, false, texts::kApplyDone},
                      // On Windows 7 a policy changes nothing in the message.
                      VersionCase{"Windows7WithPolicies", {6, 1}, true, true, texts::kApplyDone},
                      VersionCase{"Windows8", {6, 2}, false, false, kDoneWithNote},
                      VersionCase{"Windows81", {6, 3}, false, false, kDoneWithNote},
                      VersionCase{"Windows10", {10, 0}, false, false, kDoneWithNote},
                      VersionCase{"Windows10HelpCustomized",
                                  {10, 0},
                                  true,
                                  false,
                                  kDoneWithNote + "\r\n" + texts::kHelpCustomizedNote},
                      VersionCase{"Windows10NoLogonBackground",
                                  {10, 0},
                                  false,
                                  true,
                                  kDoneWithNote + "\r\n" + texts::kNoLogonBackgroundNote},
                      VersionCase{"Windows11BothPolicies",
                                  {10, 0},
                                  true,
                                  true,
                                  kDoneWithNote + "\r\n" + texts::kHelpCustomizedNote + "\r\n" +
                                      texts::kNoLogonBackgroundNote}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Apply, APolicyOfZeroOrOfAnotherTypeHidesNothing) {
    system.version = {10, 0};
    system.registry[oemInformationValue("HelpCustomized")] = {true, {}, 0};
    system.registry[kDisableLogonBackgroundImage] = {false, "1", 0};
    apply();
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, kDoneWithNote);
}

// A failed apply on Windows 10 shows the failure list, not the note.
TEST_F(Apply, AFailureOnWindows10IsTheWarningAlone) {
    system.version = {10, 0};
    system.failingPaths.insert(kLogoFile);
    apply();
    expectWarningListing({"oemlogo.bmp"}, kAdviceToRunAsAdministrator);
    EXPECT_EQ(user.messages[0].text.find(texts::kWindows8Note), Text::npos);
}

}  // namespace
