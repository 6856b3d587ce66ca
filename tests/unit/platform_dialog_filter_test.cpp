#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/dialog_filter.h"

namespace {

using namespace std::string_literals;

struct FilterCase {
    const char* name;
    Text filter;
    Text list;
};

void PrintTo(const FilterCase& row, std::ostream* out) { *out << row.name; }

class DialogFilterList : public testing::TestWithParam<FilterCase> {};

TEST_P(DialogFilterList, BecomesTheNulSeparatedList) {
    EXPECT_EQ(toDialogFilterList(GetParam().filter), GetParam().list);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, DialogFilterList,
    testing::Values(FilterCase{"OnePair", "位图（*.bmp）|*.bmp", "位图（*.bmp）\0*.bmp\0\0"s},
                    FilterCase{"TwoPairs", "JPEG|*.jpg|All|*.*", "JPEG\0*.jpg\0All\0*.*\0\0"s},
                    FilterCase{"EndingInDoubleBarGetsNoMore", "BMP|*.bmp||", "BMP\0*.bmp\0\0"s},
                    FilterCase{"EndingInOneBarGetsTwoMore", "BMP|*.bmp|", "BMP\0*.bmp\0\0\0"s},
                    FilterCase{"TrailingBlanksCut", "BMP|*.bmp   ", "BMP\0*.bmp\0\0"s},
                    FilterCase{"BlanksAfterDoubleBarCut", "BMP|*.bmp|| ", "BMP\0*.bmp\0\0"s},
                    FilterCase{"LeadingAndInnerBlanksKept", " A |*.a", " A \0*.a\0\0"s},
                    FilterCase{"Empty", "", "\0\0"s}, FilterCase{"OnlyBlanks", "   ", "\0\0"s},
                    // "瞸" is B2 7C in code page 936: its trail byte is no separator.
                    FilterCase{"TrailByteLikeABarKept", "瞸|*.x", "瞸\0*.x\0\0"s},
                    FilterCase{"CharacterEndingInBarIsNoDoubleBar", "a|瞸|", "a\0瞸\0\0\0"s}),
    [](const testing::TestParamInfo<FilterCase>& info) { return info.param.name; });

}  // namespace
