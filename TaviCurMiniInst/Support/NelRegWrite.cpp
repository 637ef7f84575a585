// Writing registry values named by path strings.
#include "NelReg.h"

namespace {

// Bytes of a string value up to and including its terminator.
DWORD StringBytes(const wchar_t* text)
{
    return static_cast<DWORD>(lstrlenW(text) + 1) * sizeof(wchar_t);
}

// Bytes of a multi-string: every string with its terminator, then the
// empty string that ends the list. Stopping at the first terminator would
// keep only the first string and leave the list without its end.
DWORD MultiStringBytes(const wchar_t* list)
{
    const wchar_t* p = list;
    while (*p)
        p += lstrlenW(p) + 1;
    return static_cast<DWORD>(p - list + 1) * sizeof(wchar_t);
}

DWORD DataBytes(const void* data, DWORD type)
{
    const wchar_t* text = static_cast<const wchar_t*>(data);
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        return StringBytes(text);
    case REG_MULTI_SZ:
        return MultiStringBytes(text);
    default:
        return 4;
    }
}

} // namespace

LONG NelRegSetValue(HKEY key, const wchar_t* valueName, const void* data, DWORD type)
{
    if (!data)
        return ERROR_INVALID_PARAMETER;
    return RegSetValueExW(key, valueName, 0, type, static_cast<const BYTE*>(data),
                          DataBytes(data, type));
}

BOOL NelRegWrite(const wchar_t* path, const void* data, DWORD type, REGSAM access)
{
    if (!path || !data)
        return FALSE;
    CNelStrW subKey;
    CNelStrW valueName;
    HKEY root = NelRegParsePath(path, subKey, valueName);
    if (!root)
        return FALSE;
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, subKey.t(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return FALSE;
    LONG rc = NelRegSetValue(key, valueName.t(), data, type);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

BOOL NelRegWriteDword(const wchar_t* path, const DWORD* value, REGSAM access)
{
    return NelRegWrite(path, value, REG_DWORD, access);
}
