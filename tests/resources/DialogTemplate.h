// A parsed dialog template (DLGTEMPLATEEX or the older DLGTEMPLATE), as the
// dialog manager reads it from an RT_DIALOG resource.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace ResTest {

// A name-or-ordinal field: a string, an ordinal (0xFFFF followed by a
// WORD), or nothing at all.
struct SzOrOrd {
    bool isOrdinal = false;
    WORD ordinal = 0;
    std::wstring text;
};

struct DlgItemInfo {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    SzOrOrd windowClass;
    SzOrOrd title;
    std::vector<BYTE> creationData;
};

struct DlgInfo {
    bool extended = false;  // DLGTEMPLATEEX
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    SzOrOrd menu;
    SzOrOrd windowClass;
    std::wstring caption;
    bool hasFont = false;  // DS_SETFONT: the fields below are present
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::wstring faceName;
    std::vector<DlgItemInfo> items;
};

// Parses the bytes of an RT_DIALOG resource. On malformed or truncated
// data returns false and says where in *error.
bool ParseDialogTemplate(const std::vector<BYTE>& bytes, DlgInfo* out, std::string* error);

// The class of a control as one name: the predefined classes given by
// ordinal (0x80 "Button" ... 0x85 "ComboBox") by their names, others as
// written.
std::wstring ControlClassName(const SzOrOrd& windowClass);

}  // namespace ResTest
