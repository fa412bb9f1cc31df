#pragma once
// The program's own message box, one-line prompt, tag chooser and About box.
// All are modal and follow the dark theme.
#include <windows.h>

#include <string>
#include <vector>

// Returns the id of the button that closed the box: IDOK, or IDYES/IDNO (and
// IDCANCEL) for MB_YESNO and MB_YESNOCANCEL. A null text is empty, a null
// caption is "Vantrelix"; icon flags are accepted and nothing is drawn for
// them. A box that cannot be shown returns the platform's failure value,
// which is neither IDOK nor IDYES.
int ShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption = nullptr, UINT flags = MB_OK);

// Asks for one line of text, at most kInputBoxRoom characters. True when the
// user chose OK with a non-empty entry, which is then stored in `result`;
// otherwise `result` is left as it was.
bool ShowInputBox(HWND owner, const wchar_t* caption, const wchar_t* prompt, std::wstring& result,
                  const wchar_t* initialText = nullptr);
inline constexpr size_t kInputBoxRoom = 255;

// Lets the user check tags of the catalogue's tag list; those in `current`
// start checked. True for OK, with `result` the checked tags in list order;
// false for Cancel, with `result` empty.
bool ShowEditTagsDialog(HWND owner, const std::vector<std::wstring>& current,
                        std::vector<std::wstring>& result);

// The About box from the dialog resource; returns when it is closed.
void ShowAboutDialog(HWND owner);
