// The grid's colour functions: blending, the name hash into the palette and
// the row background of colour coding.
#include "grid/GridWindow.h"

#include "grid/GridInternal.h"
#include "grid_test_support.h"

namespace {

class GridColorsTest : public GridRowsTest {};

TEST_F(GridColorsTest, BlendColorPerChannelWithClampedAlpha) {
    struct Case {
        COLORREF base, tint;
        int alpha;
        COLORREF expected;
    } cases[] = {
        {RGB(0, 0, 0), RGB(255, 255, 255), 0, RGB(0, 0, 0)},
        {RGB(0, 0, 0), RGB(255, 255, 255), 255, RGB(255, 255, 255)},
        {RGB(0, 0, 0), RGB(255, 255, 255), 400, RGB(255, 255, 255)},
        {RGB(10, 20, 30), RGB(255, 255, 255), -7, RGB(10, 20, 30)},
        // (200*16 + 100*239)/255 = 106.27, (0*16 + 50*239)/255 = 46.86, (255*16 + 0)/255 = 16
        {RGB(100, 50, 0), RGB(200, 0, 255), 16, RGB(106, 46, 16)},
        // red 255*58/255 + 255*197/255 = 255 exactly; blue 221*58 + 255*197 = 63053 / 255 = 247.2
        {RGB(255, 255, 255), RGB(0xFF, 0xDD, 0xDD), 58, RGB(255, 247, 247)},
    };
    for (const Case& c : cases) EXPECT_EQ(BlendColor(c.base, c.tint, c.alpha), c.expected) << c.alpha;
}

TEST_F(GridColorsTest, GroupColorHashesTheNameIntoThePalette) {
    // "A" = 65 -> 65 % 8 = 1; "G" = 71 -> 7; "Go": (71 * 31 + 111) % 256 = 8 -> 0.
    struct Case {
        const wchar_t* name;
        COLORREF expected;
    } cases[] = {{L"A", RGB(0x34, 0xA8, 0x53)}, {L"G", RGB(0xC0, 0x39, 0x2B)}, {L"Go", RGB(0x42, 0x85, 0xF4)}};
    for (const Case& c : cases) {
        EXPECT_EQ(GroupColor(AddGroup(c.name, {})), c.expected);
        EXPECT_EQ(NameColor(c.name), c.expected);  // tag chips use the same hash
    }
    EXPECT_EQ(GroupColor(AddGroup(L"", {})), RGB(0x78, 0x78, 0x78));
    EXPECT_EQ(GroupColor(999), RGB(0x78, 0x78, 0x78));
}

TEST_F(GridColorsTest, RowBackgroundFollowsValidationAndCoding) {
    const int group = AddGroup(L"A", {L"u"});  // palette #34A853
    const COLORREF white = GetSysColor(COLOR_WINDOW);
    const COLORREF zebraLight = RGB(0xF8, 0xF8, 0xF8);
    const COLORREF darkBase = RGB(0x2D, 0x2D, 0x2D);
    const COLORREF darkZebra = RGB(0x32, 0x32, 0x32);
    struct Case {
        const char* name;
        bool coding;
        const wchar_t* status;
        bool dark, alternate;
        COLORREF expected;
    } cases[] = {
        {"coding off, plain", false, L"\u2718 404", false, false, white},
        {"coding off, zebra", false, L"", false, true, zebraLight},
        {"failed, light", true, L"\u2718 404", false, false, BlendColor(white, RGB(0xFF, 0xDD, 0xDD), 58)},
        {"failed, dark", true, L"\u2718 404", true, false, BlendColor(darkBase, RGB(0x96, 0x46, 0x46), 44)},
        {"valid, light zebra", true, L"\u2714 200", false, true, BlendColor(zebraLight, RGB(0xDC, 0xF6, 0xE2), 54)},
        {"valid, dark", true, L"\u2714 200", true, false, BlendColor(darkBase, RGB(0x46, 0x8C, 0x56), 36)},
        {"unchecked, light: group tint", true, L"", false, false, BlendColor(white, RGB(0x34, 0xA8, 0x53), 16)},
        {"other status, dark zebra", true, L"? timeout", true, true,
         BlendColor(darkZebra, RGB(0x34, 0xA8, 0x53), 20)},
    };
    for (const Case& c : cases) {
        g_settings.colorCoding = c.coding;
        g_app.validationStatus[L"u"] = c.status;
        EXPECT_EQ(RowBackgroundColor(group, L"u", c.dark, c.alternate), c.expected) << c.name;
    }
}

}  // namespace
