// The fifteen pointer roles of a cursor scheme, in the order of the scheme
// string and of the values applied under the current user's cursor key.
// Note the crossing authors must respect: the file's "Wait" is the
// working-in-background pointer (AppStarting) and "Busy" the busy one (Wait).
#pragma once

struct CursorRole {
    const wchar_t* keyTemplate;  // [DesignList] key, "|no|" = design number
    const wchar_t* valueName;    // value under HKCU\Control Panel\Cursors
};

const int kCursorRoleCount = 15;

extern const CursorRole kCursorRoles[kCursorRoleCount];
