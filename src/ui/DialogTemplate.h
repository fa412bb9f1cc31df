#pragma once
// In-memory dialog templates (DLGTEMPLATE followed by its DLGITEMTEMPLATEs),
// built item by item and handed to DialogBoxIndirectParamW.
#include <windows.h>

#include <string_view>
#include <vector>

// The platform's predefined control classes, written into a template as
// their ordinals instead of their names.
enum class DialogItemClass : WORD {
    Button = 0x0080,
    Edit = 0x0081,
    Static = 0x0082,
    ListBox = 0x0083,
    ComboBox = 0x0085,
};

// Every standard dialog of the program: a modal, centred, captioned popup
// with a close button, in the platform's default dialog font.
inline constexpr DWORD kStandardDialogStyle =
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;

// Position and size in dialog units.
struct DialogRect {
    int x = 0, y = 0, width = 0, height = 0;
};

class DialogTemplate {
   public:
    // The header: no menu, the standard dialog class, no font entry.
    DialogTemplate(DWORD style, std::wstring_view caption, DialogRect rect);

    // Appends one control. The control's style is always given WS_CHILD.
    void AddItem(DialogItemClass itemClass, WORD id, DialogRect rect, DWORD style,
                 std::wstring_view text = {});

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }
    size_t ByteSize() const { return words_.size() * sizeof(WORD); }
    WORD ItemCount() const { return count_; }

   private:
    void AppendWord(WORD value) { words_.push_back(value); }
    void AppendDword(DWORD value);
    void AppendShort(int value);
    void AppendText(std::wstring_view text);
    void AlignToDword();

    std::vector<WORD> words_;
    WORD count_ = 0;
};
