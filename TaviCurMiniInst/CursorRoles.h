// The pointer roles of a cursor scheme, in the order of the scheme string
// and of the values applied under the current user's cursor key: the
// classic fifteen, then Pin and Person, which Windows 10 version 1709 and
// later read as fields 16 and 17. A design that names neither keeps the
// classic fifteen-field scheme.
// Note the crossing authors must respect: the file's "Wait" is the
// working-in-background pointer (AppStarting) and "Busy" the busy one (Wait).
#pragma once

struct CursorRole {
    const wchar_t* keyTemplate;  // [DesignList] key, "|no|" = design number
    const wchar_t* valueName;    // value under HKCU\Control Panel\Cursors
};

const int kClassicRoleCount = 15;  // Arrow ... Hand: every scheme has them
const int kCursorRoleCount = 17;   // the classic ones, then Pin and Person

extern const CursorRole kCursorRoles[kCursorRoleCount];
