#pragma once
// The notification-area icon and its balloons: the records sent to the shell
// and the one icon the program keeps there. Showing and hiding the main
// window around the tray is the window's business (app/Tray.h).
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "base/FixedText.h"

// The icon's callback message, posted to the window that added it.
inline constexpr UINT WM_TRAY_NOTIFY = WM_USER + 1;

inline constexpr UINT kTrayIconId = 1;
inline constexpr size_t kBalloonTitleMax = 63;
inline constexpr size_t kBalloonTextMax = 255;
inline constexpr size_t kTrayTipMax = 127;

bool TrayIconPresent();
// Adds the program's icon with `tip` for `window`; nothing when it is there.
void AddTrayIconWithTip(HWND window, const std::wstring& tip);
void RemoveTrayIcon();
// The caller keeps ownership of the icon. Nothing is shown without the tray
// icon.
void ShowTrayBalloon(const std::wstring& title, const std::wstring& text, HICON icon);

// The record the icon is added with: id 1, the callback message, the icon and
// the tip cut to its field.
NOTIFYICONDATAW BuildTrayIconData(HWND window, HICON icon, const std::wstring& tip);
// The record a balloon is sent with: the icon's record plus NIF_INFO, the
// title and the text cut to their fields, NIIF_USER with a balloon icon and
// NIIF_INFO without.
NOTIFYICONDATAW BuildBalloonData(const NOTIFYICONDATAW& icon, const std::wstring& title,
                                 const std::wstring& text, HICON balloonIcon);
// The last balloon the shell accepted since the icon was added (all zero when
// none).
const NOTIFYICONDATAW& LastTrayBalloon();

// The "TaskbarCreated" message a restarted shell broadcasts; 0 when it could
// not be registered.
UINT TaskbarCreatedMessage();
// Puts the icon into a restarted shell, with the tip it had.
void AddTrayIconAgain(HWND window);
