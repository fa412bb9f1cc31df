#pragma once
// Copies that their source marks as not for clipboard monitors: password
// managers and similar programs flag secrets this way.

// True when the open clipboard carries "ExcludeClipboardContentFromMonitorProcessing"
// or "Clipboard Viewer Ignore", or "CanIncludeInClipboardHistory" with the
// DWORD value 0. Call only while the clipboard is open.
bool ClipboardMarkedPrivate();
