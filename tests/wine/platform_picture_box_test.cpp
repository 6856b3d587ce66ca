// Picture boxes rendered into a memory DC and read back pixel by pixel.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <functional>

#include "platform/win32/picture_box.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kTeal = RGB(0, 128, 128);
constexpr int kLogoBoxId = 1002;
constexpr int kBannerId = 1001;

using ColorAt = std::function<COLORREF(int x, int y)>;

void put16(Bytes& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(Bytes& bytes, std::uint32_t value) {
    put16(bytes, static_cast<std::uint16_t>(value));
    put16(bytes, static_cast<std::uint16_t>(value >> 16));
}

void putInfoHeader(Bytes& bytes, int width, int height, int bitCount) {
    put32(bytes, 40);
    put32(bytes, static_cast<std::uint32_t>(width));
    put32(bytes, static_cast<std::uint32_t>(height));
    put16(bytes, 1);
    put16(bytes, static_cast<std::uint16_t>(bitCount));
    for (int i = 0; i < 6; ++i) put32(bytes, 0);
}

// A 24-bit bottom-up Windows bitmap file.
Bytes makeBitmap24(int width, int height, const ColorAt& colorAt) {
    const int stride = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(stride * height);
    Bytes bytes{'B', 'M'};
    put32(bytes, 54 + pixelBytes);
    put32(bytes, 0);
    put32(bytes, 54);
    putInfoHeader(bytes, width, height, 24);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF color = colorAt(x, y);
            bytes.push_back(GetBValue(color));
            bytes.push_back(GetGValue(color));
            bytes.push_back(GetRValue(color));
        }
        bytes.resize(bytes.size() + static_cast<std::size_t>(stride - width * 3));
    }
    return bytes;
}

// A one-image icon file with 32-bit pixels, `alphaAt` giving each one's alpha.
Bytes makeIcon32(int size, COLORREF color,
                 const std::function<std::uint8_t(int x, int y)>& alphaAt) {
    const std::uint32_t maskBytes = static_cast<std::uint32_t>((size + 31) / 32 * 4 * size);
    const std::uint32_t imageBytes = 40 + static_cast<std::uint32_t>(size * size * 4) + maskBytes;
    Bytes bytes;
    put16(bytes, 0);
    put16(bytes, 1);
    put16(bytes, 1);
    bytes.push_back(static_cast<std::uint8_t>(size));
    bytes.push_back(static_cast<std::uint8_t>(size));
    bytes.push_back(0);
    bytes.push_back(0);
    put16(bytes, 1);
    put16(bytes, 32);
    put32(bytes, imageBytes);
    put32(bytes, 22);
    putInfoHeader(bytes, size, size * 2, 32);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            bytes.push_back(GetBValue(color));
            bytes.push_back(GetGValue(color));
            bytes.push_back(GetRValue(color));
            bytes.push_back(alphaAt(x, y));
        }
    }
    bytes.resize(bytes.size() + maskBytes);
    return bytes;
}

struct PressReport {
    bool received = false;
    WORD keys = 0;
    WORD id = 0;
    POINT point{};
};

LRESULT CALLBACK parentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kPictureBoxMousePressed) {
        auto* report = reinterpret_cast<PressReport*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        report->received = true;
        report->keys = LOWORD(wParam);
        report->id = HIWORD(wParam);
        report->point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class PictureBoxes : public testing::Test {
protected:
    void SetUp() override {
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        ASSERT_TRUE(registerPictureBoxClass(instance));
        WNDCLASSA parentClass{};
        parentClass.lpfnWndProc = parentProc;
        parentClass.hInstance = instance;
        parentClass.lpszClassName = "VellumarkPictureBoxTestParent";
        RegisterClassA(&parentClass);
        parent = CreateWindowExA(0, parentClass.lpszClassName, "MainWindow", WS_POPUP, 0, 0, 600,
                                 300, nullptr, nullptr, instance, nullptr);
        ASSERT_NE(parent, nullptr);
        SetWindowLongPtrA(parent, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&report));
        logoBox = createPictureBox(parent, kLogoBoxId, 20, 22, 120, 120, kWhite,
                                   PictureMode::ActualSizeTopLeft);
        banner =
            createPictureBox(parent, kBannerId, 0, 0, 550, 100, kTeal, PictureMode::StretchToBox);
        ASSERT_NE(logoBox, nullptr);
        ASSERT_NE(banner, nullptr);
    }
    void TearDown() override { DestroyWindow(parent); }

    // The box's client area as it paints itself, one COLORREF a pixel.
    std::vector<COLORREF> render(HWND box) {
        RECT client{};
        GetClientRect(box, &client);
        renderedWidth = client.right;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = client.right;
        info.bmiHeader.biHeight = -client.bottom;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        const HDC screen = GetDC(nullptr);
        const HDC memory = CreateCompatibleDC(screen);
        const HBITMAP target = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ReleaseDC(nullptr, screen);
        std::vector<COLORREF> pixels;
        if (target != nullptr) {
            const HGDIOBJ previous = SelectObject(memory, target);
            // Red first, so a box that paints nothing shows up.
            const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
            FillRect(memory, &client, red);
            DeleteObject(red);
            SendMessageA(box, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
            GdiFlush();
            const auto* raw = static_cast<const std::uint32_t*>(bits);
            for (int i = 0; i < client.right * client.bottom; ++i) {
                pixels.push_back(RGB((raw[i] >> 16) & 0xFF, (raw[i] >> 8) & 0xFF, raw[i] & 0xFF));
            }
            SelectObject(memory, previous);
            DeleteObject(target);
        }
        DeleteDC(memory);
        return pixels;
    }

    COLORREF at(const std::vector<COLORREF>& pixels, int x, int y) const {
        return pixels.at(static_cast<std::size_t>(y * renderedWidth + x));
    }

    HWND parent = nullptr;
    HWND logoBox = nullptr;
    HWND banner = nullptr;
    PressReport report;
    int renderedWidth = 0;
};

// Four quadrants, so both orientation and placement show.
COLORREF quadrantColor(int x, int y, int width, int height) {
    const bool right = x >= width / 2;
    const bool bottom = y >= height / 2;
    if (!bottom) return right ? RGB(0, 0, 255) : RGB(200, 30, 40);
    return right ? RGB(10, 160, 20) : RGB(90, 90, 90);
}

TEST_F(PictureBoxes, ALogoSitsAtTheTopLeftOnWhite) {
    const Bytes logo =
        makeBitmap24(30, 20, [](int x, int y) { return quadrantColor(x, y, 30, 20); });
    setPictureBoxBytes(logoBox, logo);
    EXPECT_EQ(pictureBoxBytes(logoBox), logo);

    const std::vector<COLORREF> pixels = render(logoBox);
    EXPECT_EQ(at(pixels, 0, 0), RGB(200, 30, 40));
    EXPECT_EQ(at(pixels, 29, 0), RGB(0, 0, 255));
    EXPECT_EQ(at(pixels, 0, 19), RGB(90, 90, 90));
    EXPECT_EQ(at(pixels, 29, 19), RGB(10, 160, 20));
    EXPECT_EQ(at(pixels, 30, 0), kWhite) << "right of the logo";
    EXPECT_EQ(at(pixels, 0, 20), kWhite) << "below the logo";
    EXPECT_EQ(at(pixels, 119, 119), kWhite);
}

TEST_F(PictureBoxes, ALargerLogoIsCutOffNotShrunk) {
    const Bytes logo =
        makeBitmap24(200, 150, [](int x, int y) { return quadrantColor(x, y, 200, 150); });
    setPictureBoxBytes(logoBox, logo);
    const std::vector<COLORREF> pixels = render(logoBox);
    EXPECT_EQ(at(pixels, 99, 74), RGB(200, 30, 40)) << "still the top-left quadrant";
    EXPECT_EQ(at(pixels, 100, 74), RGB(0, 0, 255)) << "top-right quadrant starts at x 100";
    EXPECT_EQ(at(pixels, 119, 119), RGB(10, 160, 20)) << "the box's corner shows the picture";
    EXPECT_EQ(pictureBoxBytes(logoBox), logo) << "the whole picture is kept";
}

TEST_F(PictureBoxes, TheBannerIsStretchedOverTheBox) {
    setPictureBoxBytes(banner,
                       makeBitmap24(2, 2, [](int x, int y) { return quadrantColor(x, y, 2, 2); }));
    const std::vector<COLORREF> pixels = render(banner);
    EXPECT_EQ(at(pixels, 137, 25), RGB(200, 30, 40));
    EXPECT_EQ(at(pixels, 412, 25), RGB(0, 0, 255));
    EXPECT_EQ(at(pixels, 137, 75), RGB(90, 90, 90));
    EXPECT_EQ(at(pixels, 412, 75), RGB(10, 160, 20));
    EXPECT_EQ(at(pixels, 549, 99), RGB(10, 160, 20)) << "reaches the far corner";
}

TEST_F(PictureBoxes, UndecodableOrEmptyBytesShowOnlyTheBackground) {
    const Bytes broken{'B', 'M', 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0};
    for (const Bytes& bytes : {broken, Bytes{}}) {
        setPictureBoxBytes(banner, makeBitmap24(4, 4, [](int, int) { return RGB(1, 2, 3); }));
        setPictureBoxBytes(banner, bytes);
        EXPECT_EQ(pictureBoxBytes(banner), bytes);
        const std::vector<COLORREF> pixels = render(banner);
        EXPECT_EQ(at(pixels, 0, 0), kTeal);
        EXPECT_EQ(at(pixels, 300, 50), kTeal);
    }
}

TEST_F(PictureBoxes, TransparentPartsShowTheBoxColour) {
    // Left column opaque, middle half transparent, right column clear.
    const COLORREF iconColor = RGB(255, 200, 0);
    setPictureBoxBytes(banner, makeIcon32(16, iconColor, [](int x, int) -> std::uint8_t {
                           return x < 8 ? 255 : (x < 12 ? 128 : 0);
                       }));
    setPictureBoxBytes(logoBox, pictureBoxBytes(banner));
    const std::vector<COLORREF> pixels = render(logoBox);
    EXPECT_EQ(at(pixels, 2, 2), iconColor);
    EXPECT_EQ(at(pixels, 14, 2), kWhite);
    const COLORREF half = at(pixels, 9, 2);
    EXPECT_NEAR(GetRValue(half), 255, 1);
    EXPECT_NEAR(GetGValue(half), (200 * 128 + 255 * 127) / 255, 1);
    EXPECT_NEAR(GetBValue(half), (255 * 127) / 255, 1);

    const std::vector<COLORREF> onTeal = render(banner);
    EXPECT_EQ(at(onTeal, 549, 99), kTeal) << "the clear column stretched over the corner";
}

TEST_F(PictureBoxes, ALeftPressIsReportedToTheParentWithKeysAndPoint) {
    SendMessageA(banner, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL | MK_SHIFT, MAKELPARAM(12, 34));
    ASSERT_TRUE(report.received);
    EXPECT_EQ(report.keys, kPictureBoxKeyCtrl | kPictureBoxKeyShift);
    EXPECT_EQ(report.id, kBannerId);
    EXPECT_EQ(report.point.x, 12);
    EXPECT_EQ(report.point.y, 34);

    BYTE keyboard[256]{};
    GetKeyboardState(keyboard);
    keyboard[VK_MENU] = 0x80;
    SetKeyboardState(keyboard);
    report = PressReport{};
    SendMessageA(logoBox, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 2));
    keyboard[VK_MENU] = 0;
    SetKeyboardState(keyboard);
    EXPECT_EQ(report.keys, kPictureBoxKeyAlt);
    EXPECT_EQ(report.id, kLogoBoxId);
}

TEST_F(PictureBoxes, TakeNoFocusAndHaveNoBorder) {
    const LONG style = GetWindowLongA(banner, GWL_STYLE);
    EXPECT_EQ(style & (WS_TABSTOP | WS_BORDER | WS_DLGFRAME), 0);
    EXPECT_EQ(GetWindowLongA(banner, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE), 0);
    RECT window{};
    RECT client{};
    GetWindowRect(banner, &window);
    GetClientRect(banner, &client);
    EXPECT_EQ(window.right - window.left, client.right);
    EXPECT_EQ(window.bottom - window.top, client.bottom);
    EXPECT_TRUE(pictureBoxBytes(parent).empty()) << "no picture box";
}

}  // namespace
