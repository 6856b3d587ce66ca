// What a screen reader hears: every field of MainWindow named by its label,
// through the same accessibility interface Narrator and NVDA read.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>

#include "app_driver.h"
#include "ui/control_ids.h"

namespace {

struct FieldAndLabel {
    int fieldId;
    int labelId;
    const char* labelText;
};

constexpr FieldAndLabel kFields[] = {
    {kIdManufacturerEdit, kIdManufacturerLabel, "制造商："},          // 编辑框1
    {kIdModelEdit, kIdModelLabel, "型号："},                          // 编辑框2
    {kIdSupportPhoneEdit, kIdSupportPhoneLabel, "技术热线："},        // 编辑框3
    {kIdSupportHoursEdit, kIdSupportHoursLabel, "时间："},            // 编辑框4
    {kIdSupportUrlEdit, kIdSupportUrlLabel, "网站支持："},            // 编辑框5
    {kIdLogoPathEdit, kIdLogoPathLabel, "自定义OEM LOGO："},          // 编辑框6
    {kIdBackgroundPathEdit, kIdBackgroundLabel, "自定义登录背景："},  // 编辑框7
};

constexpr char kFullWidthColon[] = "：";

std::string inCodePage936(const wchar_t* wide) {
    if (!wide) return {};
    const int bytes = WideCharToMultiByte(936, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return {};
    std::string text(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(936, 0, wide, -1, text.data(), bytes, nullptr, nullptr);
    text.resize(static_cast<size_t>(bytes) - 1);
    return text;
}

// The name the accessibility interface gives the window, in code page 936.
std::string accessibleName(HWND window) {
    // __uuidof, not IID_IAccessible: mingw's oleacc import library resolves
    // that name to an import stub, so the object would be asked for a
    // nonsense interface (E_NOINTERFACE).
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible))) ||
        !accessible) {
        return "(no accessible object)";
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const HRESULT result = accessible->get_accName(self, &name);
    accessible->Release();
    const std::string text = result == S_OK ? inCodePage936(name) : std::string();
    SysFreeString(name);
    return text;
}

std::string withoutTrailingColon(const std::string& text) {
    const std::string colon = kFullWidthColon;
    if (text.size() >= colon.size() &&
        text.compare(text.size() - colon.size(), colon.size(), colon) == 0) {
        return text.substr(0, text.size() - colon.size());
    }
    return text;
}

class AppAccessibility : public ::testing::Test {
protected:
    void SetUp() override { comReady_ = SUCCEEDED(CoInitialize(nullptr)); }
    void TearDown() override {
        if (comReady_) CoUninitialize();
    }

private:
    bool comReady_ = false;
};

// The label is a static text control placed just before its field among the
// siblings; Windows stops looking at the first other control, so the order
// is checked directly as well as through the name.
TEST_F(AppAccessibility, EveryFieldIsNamedByTheLabelJustBeforeIt) {
    RunningApp app;
    ASSERT_TRUE(app.start());
    for (const FieldAndLabel& each : kFields) {
        SCOPED_TRACE(testing::Message() << "field " << each.fieldId);
        const HWND field = app.control(each.fieldId);
        const HWND label = app.control(each.labelId);
        ASSERT_NE(field, nullptr);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(GetWindow(field, GW_HWNDPREV), label);
        EXPECT_STRCASEEQ(windowClassName(label).c_str(), "Static");
        EXPECT_EQ(windowText(label), each.labelText);
        EXPECT_EQ(withoutTrailingColon(accessibleName(field)),
                  withoutTrailingColon(each.labelText));
    }
}

TEST_F(AppAccessibility, TheBrandListsLabelComesJustBeforeIt) {
    RunningApp app;
    ASSERT_TRUE(app.start());
    const HWND label = app.control(kIdBrandLabel);
    EXPECT_EQ(GetWindow(app.control(kIdBrandList), GW_HWNDPREV), label);
    EXPECT_STRCASEEQ(windowClassName(label).c_str(), "Static");
    EXPECT_EQ(windowText(label), "选择预置品牌：");
}

}  // namespace
