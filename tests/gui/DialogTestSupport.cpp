#include "DialogTestSupport.h"

#include <vector>

void DropPendingQuit() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

ColorAnswer AskColor(HWND dialog, UINT message, HWND control) {
    ColorAnswer answer;
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(4, 5, 6));
    SetBkMode(dc, OPAQUE);
    const LRESULT result =
        SendMessageW(dialog, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    if (result) {
        LOGBRUSH description{};
        answer.brush = GetObjectW(reinterpret_cast<HBRUSH>(result), sizeof description, &description) != 0;
        answer.brushColor = description.lbColor;
    }
    answer.text = GetTextColor(dc);
    answer.background = GetBkColor(dc);
    answer.backgroundMode = GetBkMode(dc);
    DeleteDC(dc);
    return answer;
}

std::wstring ItemText(HWND dialog, int id) { return CaptionOf(GetDlgItem(dialog, id)); }

std::wstring CaptionOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    const int read = GetWindowTextW(window, text.data(), length + 1);
    return std::wstring(text.data(), read > 0 ? static_cast<size_t>(read) : 0);
}

TagListState ReadTagList(HWND list) {
    TagListState state;
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::wstring text(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        text.resize(
            static_cast<size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
        state.items.push_back(text);
        if (SendMessageW(list, LB_GETSEL, i, 0) > 0) state.checked.push_back(text);
    }
    return state;
}

void ClickTag(HWND list, const std::wstring& tag) {
    const LRESULT index = SendMessageW(list, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(tag.c_str()));
    ASSERT_GE(index, 0) << "no item " << testing::PrintToString(tag);
    SendMessageW(list, LB_SETTOPINDEX, index, 0);
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    ClickAt(list, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
}
