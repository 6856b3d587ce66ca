#include "tests/wine/window_checks.h"

#include <gtest/gtest.h>

#include "tests/wine/wine_test_support.h"

void expectControlAsWritten(HWND root, const expected::Control& control) {
    SCOPED_TRACE(testing::Message() << "control " << control.id);
    const HWND found = findControl(root, control.id);
    ASSERT_NE(found, nullptr);
    EXPECT_STRCASEEQ(windowClassName(found).c_str(), expected::className(control.kind));
    const HWND parent = control.parentId ? findControl(root, control.parentId) : root;
    EXPECT_EQ(GetParent(found), parent);
    RECT place = {};
    GetWindowRect(found, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, control.x);
    EXPECT_EQ(place.top, control.y);
    EXPECT_EQ(place.right - place.left, control.width);
    // The brand list's window spans its dropped list, checked on its own.
    if (control.kind != expected::Kind::BrandList) {
        EXPECT_EQ(place.bottom - place.top, control.height);
    }
    if (control.text) {
        EXPECT_EQ(windowText(found), control.text);
    }
}
