#include "platform/win32/picture_box.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <utility>
#include <vector>

#include "platform/image/image_decoder.h"

namespace {

constexpr char kPictureBoxClassName[] = "VellumarkPictureBox";

struct PictureBoxSettings {
    COLORREF background;
    PictureMode mode;
};

// Each channel of `color` weighted by alpha over the background's channel.
std::uint32_t blendChannel(std::uint32_t color, std::uint32_t background, std::uint32_t alpha,
                           int shift) {
    const std::uint32_t over = (color >> shift) & 0xFF;
    const std::uint32_t under = (background >> shift) & 0xFF;
    return ((over * alpha + under * (255 - alpha) + 127) / 255) << shift;
}

bool holdsWholeImage(const DecodedImage& image) {
    return image.width > 0 && image.height > 0 &&
           image.pixels.size() ==
               static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
}

class PictureBox {
public:
    PictureBox(HWND window, const PictureBoxSettings& settings)
        : window_(window), settings_(settings) {}

    const Bytes& bytes() const { return bytes_; }

    void setBytes(Bytes bytes) {
        bytes_ = std::move(bytes);
        DecodedImage decoded;
        if (bytes_.empty() || !decodeImage(bytes_.data(), bytes_.size(), decodeTarget(), decoded) ||
            !holdsWholeImage(decoded)) {
            decoded = DecodedImage{};
        }
        picture_ = std::move(decoded);
        composeOntoBackground();
        InvalidateRect(window_, nullptr, FALSE);
    }

    void paint(HDC dc) const {
        RECT client{};
        GetClientRect(window_, &client);
        const HBRUSH brush = CreateSolidBrush(settings_.background);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        if (picture_.pixels.empty()) return;

        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = picture_.width;
        info.bmiHeader.biHeight = -picture_.height;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;

        const bool stretch = settings_.mode == PictureMode::StretchToBox;
        const int targetWidth = stretch ? client.right - client.left : picture_.width;
        const int targetHeight = stretch ? client.bottom - client.top : picture_.height;
        const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
        StretchDIBits(dc, 0, 0, targetWidth, targetHeight, 0, 0, picture_.width, picture_.height,
                      picture_.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
        SetStretchBltMode(dc, previousMode);
    }

    void onLeftButtonDown(WPARAM buttons, LPARAM point) const {
        WORD keys = 0;
        if (buttons & MK_CONTROL) keys |= kPictureBoxKeyCtrl;
        if (buttons & MK_SHIFT) keys |= kPictureBoxKeyShift;
        if (GetKeyState(VK_MENU) < 0) keys |= kPictureBoxKeyAlt;
        const WORD id = static_cast<WORD>(GetDlgCtrlID(window_));
        SendMessageA(GetParent(window_), kPictureBoxMousePressed, MAKEWPARAM(keys, id), point);
    }

private:
    // Only what the box can show is decoded: the part inside it at actual
    // size, or at most the box's pixels when stretched.
    DecodeTarget decodeTarget() const {
        RECT client{};
        GetClientRect(window_, &client);
        DecodeTarget target;
        target.width = client.right - client.left;
        target.height = client.bottom - client.top;
        target.fit =
            settings_.mode == PictureMode::StretchToBox ? BoxFit::ShrinkToBox : BoxFit::CutAtBox;
        return target;
    }

    // Done once per picture rather than per repaint: a GDI blit ignores alpha,
    // so transparent parts must already hold the box's colour.
    void composeOntoBackground() {
        const COLORREF background = settings_.background;
        const std::uint32_t backgroundPixel = (std::uint32_t{GetRValue(background)} << 16) |
                                              (std::uint32_t{GetGValue(background)} << 8) |
                                              std::uint32_t{GetBValue(background)};
        for (std::uint32_t& pixel : picture_.pixels) {
            const std::uint32_t alpha = pixel >> 24;
            if (alpha == 0xFF) continue;
            pixel = blendChannel(pixel, backgroundPixel, alpha, 16) |
                    blendChannel(pixel, backgroundPixel, alpha, 8) |
                    blendChannel(pixel, backgroundPixel, alpha, 0) | 0xFF000000u;
        }
    }

    HWND window_;
    PictureBoxSettings settings_;
    Bytes bytes_;
    DecodedImage picture_;
};

PictureBox* pictureBoxOf(HWND window) {
    if (window == nullptr) return nullptr;
    std::array<char, std::size(kPictureBoxClassName) + 1> className{};
    if (GetClassNameA(window, className.data(), static_cast<int>(className.size())) == 0 ||
        std::strcmp(className.data(), kPictureBoxClassName) != 0) {
        return nullptr;
    }
    return reinterpret_cast<PictureBox*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK pictureBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        const auto* settings = static_cast<const PictureBoxSettings*>(create->lpCreateParams);
        if (settings == nullptr) return FALSE;
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(new PictureBox(window, *settings)));
        return DefWindowProcA(window, message, wParam, lParam);
    }
    auto* box = reinterpret_cast<PictureBox*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (box == nullptr) return DefWindowProcA(window, message, wParam, lParam);

    switch (message) {
    case WM_ERASEBKGND: return 1;  // paint() fills the whole box itself
    case WM_PAINT: {
        PAINTSTRUCT paintStruct{};
        const HDC dc = BeginPaint(window, &paintStruct);
        box->paint(dc);
        EndPaint(window, &paintStruct);
        return 0;
    }
    case WM_PRINTCLIENT: box->paint(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_LBUTTONDOWN: box->onLeftButtonDown(wParam, lParam); break;
    case WM_NCDESTROY:
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        delete box;
        break;
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool registerPictureBoxClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = pictureBoxProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kPictureBoxClassName;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND createPictureBox(HWND parent, int id, int x, int y, int width, int height, COLORREF background,
                      PictureMode mode) {
    PictureBoxSettings settings{background, mode};
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    if (instance == nullptr) instance = GetModuleHandleA(nullptr);
    return CreateWindowExA(0, kPictureBoxClassName, "", WS_CHILD | WS_VISIBLE, x, y, width, height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                           &settings);
}

void setPictureBoxBytes(HWND box, Bytes bytes) {
    if (PictureBox* pictureBox = pictureBoxOf(box)) pictureBox->setBytes(std::move(bytes));
}

const Bytes& pictureBoxBytes(HWND box) {
    static const Bytes kNoBytes;
    const PictureBox* pictureBox = pictureBoxOf(box);
    return pictureBox != nullptr ? pictureBox->bytes() : kNoBytes;
}
