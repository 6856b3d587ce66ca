// The two "浏 览..." buttons driven through Wine's real open-file dialog:
// type a path, press 打开, and see what the window and an apply make of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app_driver.h"
#include "profile/brand_presets.h"
#include "tests/common/expected_texts.h"
#include "tests/common/image_fixtures.h"
#include "ui/control_ids.h"

namespace {

namespace texts = expected_texts;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kLogoBoxSize = 120;

// A 24-bit bitmap of one colour (0x00RRGGBB).
Bytes solidBitmap(int width, int height, std::uint32_t colour) {
    image_fixtures::Bitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.values.assign(static_cast<std::size_t>(width) * height, colour);
    return image_fixtures::makeBitmap(bitmap);
}

COLORREF colourRefOf(std::uint32_t colour) {
    return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

Bytes filler(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 31 + 5);
    return bytes;
}

class AppChoosers : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(clearOemSettings());
        ASSERT_TRUE(files.ready());
        ASSERT_TRUE(app.start());
    }

    // The colour the screen shows at (x, y) of the logo box, once it shows
    // `expected` or the deadline has passed.
    COLORREF logoBoxPixel(int x, int y, COLORREF expected) const {
        POINT point = {x, y};
        ClientToScreen(app.control(kIdLogoPicture), &point);
        waitUntil([&] { return screenPixel(point.x, point.y) == expected; }, 3000);
        return screenPixel(point.x, point.y);
    }

    // The box still holds the first preset's logo: an apply writes it.
    void expectPresetLogoApplied() const {
        app.click(kIdApplyButton);
        ASSERT_TRUE(app.answerMessageBox().has_value());
        const BrandPreset* lenovo = brandPreset(0);
        EXPECT_EQ(readWholeFile(oemLogoFile()),
                  std::optional<Bytes>(Bytes(lenovo->logo, lenovo->logo + lenovo->logoSize)));
    }

    ScratchFolder files{"choosers"};
    RunningApp app;
};

struct LogoCase {
    const char* name;
    int width;
    int height;
    std::uint32_t colour;
};
void PrintTo(const LogoCase& c, std::ostream* out) { *out << c.name; }

class AppAcceptedLogo : public AppChoosers, public ::testing::WithParamInterface<LogoCase> {};

// Drawn at its own size from the box's top-left corner on white, and written
// unchanged by the next apply.
TEST_P(AppAcceptedLogo, IsShownAtTheTopLeftOfTheBoxAndApplied) {
    const LogoCase& c = GetParam();
    const Bytes logo = solidBitmap(c.width, c.height, c.colour);
    const std::string path = files.write(std::string(c.name) + ".bmp", logo);
    ASSERT_TRUE(app.chooseFile(kIdLogoBrowseButton, path));
    ASSERT_TRUE(waitUntil([&] { return app.text(kIdLogoPathEdit) == path; }));

    saveScreenshot(app.mainWindow(), std::string("main-logo-") + c.name);
    const COLORREF colour = colourRefOf(c.colour);
    const int right = std::min(c.width, kLogoBoxSize) - 1;
    const int bottom = std::min(c.height, kLogoBoxSize) - 1;
    EXPECT_EQ(logoBoxPixel(0, 0, colour), colour);
    EXPECT_EQ(logoBoxPixel(right, bottom, colour), colour);
    if (c.width < kLogoBoxSize) {
        EXPECT_EQ(logoBoxPixel(c.width, 0, kWhite), kWhite) << "right of the logo";
    }
    if (c.height < kLogoBoxSize) {
        EXPECT_EQ(logoBoxPixel(0, c.height, kWhite), kWhite) << "below the logo";
    }

    app.click(kIdApplyButton);
    const auto message = app.answerMessageBox();
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, texts::kApplyDone);
    EXPECT_EQ(readWholeFile(oemLogoFile()), std::optional<Bytes>(logo));
}

INSTANTIATE_TEST_SUITE_P(Sizes, AppAcceptedLogo,
                         ::testing::Values(LogoCase{"largest-175x119", 175, 119, 0xC81E28},
                                           LogoCase{"small-60x40", 60, 40, 0x0AA014}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name) {
                                 if (ch == '-') ch = '_';
                             }
                             return name;
                         });

struct RefusedLogoCase {
    const char* name;
    int width;
    int height;
};
void PrintTo(const RefusedLogoCase& c, std::ostream* out) { *out << c.name; }

class AppRefusedLogo : public AppChoosers, public ::testing::WithParamInterface<RefusedLogoCase> {};

TEST_P(AppRefusedLogo, SaysWhatFitsAndChangesNothing) {
    app.setText(kIdLogoPathEdit, "D:\\typed.bmp");
    const std::string path =
        files.write("refused.bmp", solidBitmap(GetParam().width, GetParam().height, 0x112233));
    ASSERT_TRUE(app.chooseFile(kIdLogoBrowseButton, path));
    const auto message = app.answerMessageBox();
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->title, texts::kTitle);
    EXPECT_EQ(message->text, texts::kLogoRefused);
    EXPECT_EQ(app.text(kIdLogoPathEdit), "D:\\typed.bmp");

    // The box still holds the preset's logo: that is what an apply writes.
    app.click(kIdApplyButton);
    ASSERT_TRUE(app.answerMessageBox().has_value());
    const BrandPreset* lenovo = brandPreset(0);
    EXPECT_EQ(readWholeFile(oemLogoFile()),
              std::optional<Bytes>(Bytes(lenovo->logo, lenovo->logo + lenovo->logoSize)));
}

INSTANTIATE_TEST_SUITE_P(Sizes, AppRefusedLogo,
                         ::testing::Values(RefusedLogoCase{"Width176", 176, 10},
                                           RefusedLogoCase{"Height120", 100, 120}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AppChoosers, CancellingTheDialogChangesNothing) {
    app.setText(kIdLogoPathEdit, "D:\\typed.bmp");
    app.click(kIdLogoBrowseButton);
    ASSERT_TRUE(app.cancelOpenFileDialog(app.waitForOpenFileDialog()));
    app.click(kIdBackgroundBrowseButton);
    ASSERT_TRUE(app.cancelOpenFileDialog(app.waitForOpenFileDialog()));
    EXPECT_EQ(app.text(kIdLogoPathEdit), "D:\\typed.bmp");
    EXPECT_EQ(app.text(kIdBackgroundPathEdit), "");
    EXPECT_TRUE(IsWindowEnabled(app.mainWindow()));
}

// The refused file stays the dialog's name, so the next opening offers it.
TEST_F(AppChoosers, ABackgroundOver250000BytesIsRefusedAndOneOfExactlyThatIsTaken) {
    const std::string tooLong = files.write("too-long.jpg", filler(250001));
    const std::string justRight = files.write("just-right.jpg", filler(250000));
    ASSERT_TRUE(app.chooseFile(kIdBackgroundBrowseButton, tooLong));
    const auto message = app.answerMessageBox();
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->title, texts::kTitle);
    EXPECT_EQ(message->text, texts::kBackgroundRefused);
    EXPECT_EQ(app.text(kIdBackgroundPathEdit), "");

    app.click(kIdBackgroundBrowseButton);
    const HWND dialog = app.waitForOpenFileDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(app.openFileDialogName(dialog), "too-long.jpg");
    ASSERT_TRUE(app.confirmOpenFileDialog(dialog, justRight));
    EXPECT_TRUE(waitUntil([&] { return app.text(kIdBackgroundPathEdit) == justRight; }));
}

// Either chooser opens at the path last confirmed in the other; confirming it
// at once takes that very file.
TEST_F(AppChoosers, TheDialogReopensAtTheLastConfirmedPath) {
    const std::string logo = files.write("small.bmp", solidBitmap(60, 40, 0x336699));
    ASSERT_TRUE(app.chooseFile(kIdLogoBrowseButton, logo));
    ASSERT_TRUE(waitUntil([&] { return app.text(kIdLogoPathEdit) == logo; }));

    app.click(kIdBackgroundBrowseButton);
    const HWND dialog = app.waitForOpenFileDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(app.openFileDialogName(dialog), "small.bmp");
    ASSERT_TRUE(app.confirmOpenFileDialog(dialog));
    EXPECT_TRUE(waitUntil([&] { return app.text(kIdBackgroundPathEdit) == logo; }));
}

TEST_F(AppChoosers, APresetChosenAfterACustomLogoIsWhatAnApplyWrites) {
    const std::string custom = files.write("custom.bmp", solidBitmap(60, 40, 0x998877));
    ASSERT_TRUE(app.chooseFile(kIdLogoBrowseButton, custom));
    ASSERT_TRUE(waitUntil([&] { return app.text(kIdLogoPathEdit) == custom; }));
    ASSERT_TRUE(app.chooseBrand(4));
    ASSERT_TRUE(waitUntil([&] { return app.text(kIdModelEdit) == "戴尔电脑"; }));
    EXPECT_EQ(app.text(kIdLogoPathEdit), custom);

    app.click(kIdApplyButton);
    ASSERT_TRUE(app.answerMessageBox().has_value());
    const BrandPreset* dell = brandPreset(4);
    EXPECT_EQ(readWholeFile(oemLogoFile()),
              std::optional<Bytes>(Bytes(dell->logo, dell->logo + dell->logoSize)));
}

// Names in code page 936, among them characters whose second byte is "\"
// (乗, 俓) or "|" (倈), so a path split byte by byte would cut them in two.
TEST_F(AppChoosers, FilesInAChineseFolderAreShownAndApplied) {
    const std::string folder = files.path("测试目录乗");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const Bytes logo = solidBitmap(60, 40, 0x2266AA);
    const Bytes background = filler(3210);
    const std::string logoPath = folder + "\\徽标俓.bmp";
    const std::string backgroundPath = folder + "\\背景倈.jpg";
    ASSERT_TRUE(writeWholeFile(logoPath, logo));
    ASSERT_TRUE(writeWholeFile(backgroundPath, background));

    ASSERT_TRUE(app.chooseFile(kIdLogoBrowseButton, logoPath));
    ASSERT_TRUE(waitUntil([&] { return app.text(kIdLogoPathEdit) == logoPath; }));
    EXPECT_EQ(logoBoxPixel(10, 10, colourRefOf(0x2266AA)), colourRefOf(0x2266AA));
    ASSERT_TRUE(app.chooseFile(kIdBackgroundBrowseButton, backgroundPath));
    ASSERT_TRUE(waitUntil([&] { return app.text(kIdBackgroundPathEdit) == backgroundPath; }));
    app.click(kIdApplyButton);
    const auto message = app.answerMessageBox();
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, texts::kApplyDone);
    EXPECT_EQ(readWholeFile(oemLogoFile()), std::optional<Bytes>(logo));
    EXPECT_EQ(readWholeFile(oemBackgroundFile()), std::optional<Bytes>(background));
}

// A 32-bit open-file dialog, like every 32-bit program, shows SysWOW64's
// files under the name System32. Whatever the dialog showed is what the
// program measures, shows and applies; only the system's own OEM files are
// reached past the redirection.
TEST_F(AppChoosers, AFileChosenInsideTheWindowsFolderIsTheOneTheDialogShowed) {
    struct Copy {
        const char* systemFolder;
        Bytes logo;
        Bytes background;
    };
    const Copy copies[] = {{"\\System32", solidBitmap(60, 40, 0x118833), filler(3001)},
                           {"\\SysWOW64", solidBitmap(50, 30, 0x883311), filler(4002)}};
    const std::string pickFolder = "\\vellumark-pick";
    for (const Copy& copy : copies) {
        const std::string folder = windowsFolder() + copy.systemFolder + pickFolder;
        CreateDirectoryA((windowsFolder() + copy.systemFolder).c_str(), nullptr);
        CreateDirectoryA(folder.c_str(), nullptr);
        ASSERT_TRUE(writeWholeFile(folder + "\\logo.bmp", copy.logo));
        ASSERT_TRUE(writeWholeFile(folder + "\\sea.jpg", copy.background));
    }
    const std::string named = windowsFolder() + "\\System32" + pickFolder;
    ASSERT_TRUE(app.chooseFile(kIdLogoBrowseButton, named + "\\logo.bmp"));
    ASSERT_TRUE(waitUntil([&] { return app.text(kIdLogoPathEdit) == named + "\\logo.bmp"; }));
    ASSERT_TRUE(app.chooseFile(kIdBackgroundBrowseButton, named + "\\sea.jpg"));
    ASSERT_TRUE(waitUntil([&] { return app.text(kIdBackgroundPathEdit) == named + "\\sea.jpg"; }));
    app.click(kIdApplyButton);
    const auto message = app.answerMessageBox();
    for (const Copy& copy : copies)
        removeFolderTree(windowsFolder() + copy.systemFolder + pickFolder);

    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, texts::kApplyDone);
    const Copy& shown = copies[inWow64Lane() ? 1 : 0];
    EXPECT_EQ(readWholeFile(oemLogoFile()), std::optional<Bytes>(shown.logo));
    EXPECT_EQ(readWholeFile(oemBackgroundFile()), std::optional<Bytes>(shown.background));
}

// A logo that cannot be read is refused when chosen, with one message, and
// nothing changes: the box keeps the preset's logo, and an apply writes it.
TEST_F(AppChoosers, ALogoHeldOpenByAnotherProgramIsRefusedWhenChosen) {
    app.setText(kIdLogoPathEdit, "D:\\typed.bmp");
    const std::string path = files.write("held.bmp", solidBitmap(60, 40, 0x445566));
    const HANDLE held = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const bool confirmed = app.chooseFile(kIdLogoBrowseButton, path);
    const auto message = app.answerMessageBox();
    CloseHandle(held);
    ASSERT_TRUE(confirmed);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->title, texts::kTitle);
    EXPECT_EQ(message->text, texts::kLogoUnreadable);
    EXPECT_EQ(app.text(kIdLogoPathEdit), "D:\\typed.bmp");
    expectPresetLogoApplied();
}

// A name outside code page 936 reaches the program as the ANSI dialog gives
// it, with "?" where a character has no ANSI form; no such file can be
// opened, so it is refused as unreadable rather than taken as an empty logo.
TEST_F(AppChoosers, ALogoNamedOutsideCodePage936IsRefusedWhenChosen) {
    const Bytes logo = solidBitmap(60, 40, 0x778899);
    // "logo-" U+D55C (Hangul), U+00E9 ".bmp"
    const std::wstring wideName = L"logo-\xD55C\xE9.bmp";
    const std::string folder = files.path("");
    const std::wstring widePath = std::wstring(folder.begin(), folder.end()) + wideName;
    const HANDLE file = CreateFileW(widePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, logo.data(), static_cast<DWORD>(logo.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(written, logo.size());

    app.click(kIdLogoBrowseButton);
    const HWND dialog = app.waitForOpenFileDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(app.confirmOpenFileDialogWide(dialog, widePath));
    const auto message = app.answerMessageBox();
    DeleteFileW(widePath.c_str());
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, texts::kLogoUnreadable);
    EXPECT_EQ(app.text(kIdLogoPathEdit), "");
    expectPresetLogoApplied();
}

}  // namespace
