// The tag chooser, shown for real: the catalogue's tags listed in order with
// the current ones checked, clicks that check and uncheck, OK and Cancel.
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "model/AppState.h"
#include "ui/StandardDialogs.h"

namespace {

constexpr int kTagListId = 301;
constexpr wchar_t kCaption[] = L"Vantrelix Edit Tags";

class EditTagsDialog : public DialogTest {
   protected:
    void SetUp() override {
        DialogTest::SetUp();
        savedApp_ = g_app;
        g_app = AppState{};
    }
    void TearDown() override {
        g_app = savedApp_;
        DialogTest::TearDown();
    }

   private:
    AppState savedApp_;
};


}  // namespace

TEST_F(EditTagsDialog, ClicksCheckAndUncheckTagsAndOkReturnsTheCheckedOnesInListOrder) {
    g_app.tagNames = {L"work", L"Home", L"urgent", L"later", L"read"};
    // "HOME" is not "Home": names match exactly; "gone" is no longer a tag.
    const std::vector<std::wstring> current{L"urgent", L"gone", L"HOME", L"work"};
    TagListState before, after;
    DialogAnswer answer(kCaption, [&](HWND dialog) {
        HWND list = GetDlgItem(dialog, kTagListId);
        before = ReadTagList(list);
        ClickTag(list, L"urgent");  // uncheck
        ClickTag(list, L"read");    // check
        ClickTag(list, L"later");   // check
        ClickTag(list, L"later");   // and uncheck again
        after = ReadTagList(list);
        ClickButton(dialog, IDOK);
    });
    std::vector<std::wstring> result{L"stale"};
    EXPECT_TRUE(ShowEditTagsDialog(nullptr, current, result));
    EXPECT_TRUE(answer.answered());
    EXPECT_EQ(before.items, g_app.tagNames);
    EXPECT_EQ(before.checked, (std::vector<std::wstring>{L"work", L"urgent"}));
    EXPECT_EQ(after.checked, (std::vector<std::wstring>{L"work", L"read"}));
    EXPECT_EQ(result, (std::vector<std::wstring>{L"work", L"read"}));
}

TEST_F(EditTagsDialog, CancelEscapeAndTheCloseButtonReturnFalseWithAnEmptyList) {
    g_app.tagNames = {L"a", L"b"};
    enum class End { Cancel, Escape, CloseButton };
    for (End end : {End::Cancel, End::Escape, End::CloseButton}) {
        SCOPED_TRACE(static_cast<int>(end));
        DialogAnswer answer(kCaption, [&](HWND dialog) {
            ClickTag(GetDlgItem(dialog, kTagListId), L"b");
            if (end == End::Cancel) ClickButton(dialog, IDCANCEL);
            if (end == End::Escape) PressKey(dialog, VK_ESCAPE);
            if (end == End::CloseButton) ClickCloseButton(dialog);
        });
        std::vector<std::wstring> result{L"a"};
        EXPECT_FALSE(ShowEditTagsDialog(nullptr, {L"a"}, result));
        EXPECT_TRUE(answer.answered());
        EXPECT_TRUE(result.empty());
    }
}

TEST_F(EditTagsDialog, NoTagsInTheCatalogueShowsAnEmptyListAndOkReturnsNothingChecked) {
    int items = -1;
    DialogAnswer answer(kCaption, [&](HWND dialog) {
        items = static_cast<int>(SendDlgItemMessageW(dialog, kTagListId, LB_GETCOUNT, 0, 0));
        ClickButton(dialog, IDOK);
    });
    std::vector<std::wstring> result{L"x"};
    EXPECT_TRUE(ShowEditTagsDialog(nullptr, {L"x"}, result));
    EXPECT_EQ(items, 0);
    EXPECT_TRUE(result.empty());
}

TEST_F(EditTagsDialog, TheCurrentListMayAlsoReceiveTheResult) {
    g_app.tagNames = {L"one", L"two", L"three"};
    std::vector<std::wstring> tags{L"two"};
    DialogAnswer answer(kCaption, [&](HWND dialog) {
        ClickTag(GetDlgItem(dialog, kTagListId), L"three");
        ClickButton(dialog, IDOK);
    });
    EXPECT_TRUE(ShowEditTagsDialog(nullptr, tags, tags));
    EXPECT_EQ(tags, (std::vector<std::wstring>{L"two", L"three"}));
}

TEST_F(EditTagsDialog, ThirtyTagsOpenAtTheTopScrollAndLongNamesAreReadWhole) {
    for (int i = 0; i < 30; ++i) g_app.tagNames.push_back(L"tag" + std::to_wstring(i));
    const std::wstring longTag(2000, L'L');
    g_app.tagNames.push_back(longTag);
    DialogAnswer answer(kCaption, [&](HWND dialog) {
        HWND list = GetDlgItem(dialog, kTagListId);
        EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL);
        // A checked tag far down does not scroll the first ones out of sight.
        EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0);
        ClickTag(list, L"tag29");
        ClickTag(list, longTag);
        ClickButton(dialog, IDOK);
    });
    std::vector<std::wstring> result;
    EXPECT_TRUE(ShowEditTagsDialog(nullptr, {L"tag0", L"tag25"}, result));
    EXPECT_EQ(result, (std::vector<std::wstring>{L"tag0", L"tag25", L"tag29", longTag}));
}
