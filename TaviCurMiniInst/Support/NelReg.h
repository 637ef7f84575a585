// Registry access by path string: one string names the root key, the
// subkey and the value, as in
//   "HKEY_CURRENT_USER\Control Panel\Cursors\Arrow".
// The root is one of six long root names (any letter case, followed by a
// backslash); the last backslash separates the subkey from the value name;
// an empty value name or "%NULL%" (any case) names the key's default value.
// Short forms such as HKCU are not accepted, so that an install-info file
// can only name a value in one spelling.
//
// Results follow the registry's own style: 0 (ERROR_SUCCESS) or an error
// code for the readers, BOOL for the convenience functions. Keys opened
// here are always closed before returning. Nothing shows a message.
#pragma once
#include <windows.h>
#include "Str/NelStr.h"

// The predefined root of path, with the subkey and the value name (default
// value: empty) stored in the two strings. NULL, strings untouched, for a
// null path or an unknown root.
HKEY NelRegParsePath(const wchar_t* path, CNelStrW& subKey, CNelStrW& valueName);

// Reads one value of an open key into a new buffer two bytes longer than
// the data, those two bytes zero, so that string data is always
// terminated. The caller frees it with delete[]. 0 with *data and *size
// set; otherwise the registry's error code, or -1 when the buffer cannot
// be allocated, with both outputs untouched.
LONG NelRegQueryAlloc(HKEY key, const wchar_t* valueName, BYTE** data, DWORD* size);

// Reads the value named by path (read access). 0 on success; -1 for a null
// path or an unknown root; else the error code of opening the key or of
// NelRegQueryAlloc. Set *data to NULL before the call and test it after.
LONG NelRegReadRaw(const wchar_t* path, BYTE** data, DWORD* size);

// The value's data taken as a wide string (its first zero, or the end of
// the data, ends it). TRUE when data was read; FALSE with out untouched.
BOOL NelRegReadStr(const wchar_t* path, CNelStrW& out);

// The first byte of the value's data (0 to 255), or defaultValue when the
// path is null, nothing could be read or the value holds no data. For a
// REG_DWORD only the low byte counts.
int NelRegReadByte(const wchar_t* path, int defaultValue);

// Writes one value of an open key; the registry's result. The size is
// derived from the type: the string types up to and including their
// terminator (REG_MULTI_SZ up to the empty string that ends the list),
// every other type 4 bytes.
LONG NelRegSetValue(HKEY key, const wchar_t* valueName, const void* data, DWORD type);

// Creates or opens the key of path with the given access and writes the
// value. TRUE only when the write succeeded; a key created here stays even
// when the write fails.
BOOL NelRegWrite(const wchar_t* path, const void* data, DWORD type, REGSAM access);

// NelRegWrite with REG_DWORD.
BOOL NelRegWriteDword(const wchar_t* path, const DWORD* value, REGSAM access);
