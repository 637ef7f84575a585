// Reading registry values named by path strings.
#include "NelReg.h"
#include <new>

LONG NelRegQueryAlloc(HKEY key, const wchar_t* valueName, BYTE** data, DWORD* size)
{
    if (!data || !size)
        return ERROR_INVALID_PARAMETER;
    // The first query only learns the size; the type is not checked, so
    // any value can be read as bytes.
    DWORD needed = 0;
    LONG rc = RegQueryValueExW(key, valueName, nullptr, nullptr, nullptr, &needed);
    if (rc != ERROR_SUCCESS)
        return rc;
    // A size this large is no registry value (and size + 2 would wrap).
    if (needed > 0x7FFFFFF0u)
        return -1;
    // Two zero bytes beyond the data terminate string data that was stored
    // without its terminator.
    // The size comes from the registry, so a refused allocation is an
    // answer to report (-1), not a fault of the program.
    BYTE* buffer = new (std::nothrow) BYTE[needed + 2]();
    if (!buffer)
        return -1;
    DWORD got = needed;
    rc = RegQueryValueExW(key, valueName, nullptr, nullptr, buffer, &got);
    if (rc != ERROR_SUCCESS) {
        delete[] buffer;
        return rc;
    }
    *data = buffer;
    *size = got;
    return ERROR_SUCCESS;
}

LONG NelRegReadRaw(const wchar_t* path, BYTE** data, DWORD* size)
{
    CNelStrW subKey;
    CNelStrW valueName;
    HKEY root = NelRegParsePath(path, subKey, valueName);
    if (!root)
        return -1;
    HKEY key = nullptr;
    LONG rc = RegOpenKeyExW(root, subKey.t(), 0, KEY_READ, &key);
    if (rc != ERROR_SUCCESS)
        return rc;
    BYTE* buffer = nullptr;
    DWORD got = 0;
    rc = NelRegQueryAlloc(key, valueName.t(), &buffer, &got);
    RegCloseKey(key);
    if (data)
        *data = buffer;
    else
        delete[] buffer;
    if (size && buffer)
        *size = got;
    return rc;
}

BOOL NelRegReadStr(const wchar_t* path, CNelStrW& out)
{
    BYTE* data = nullptr;
    DWORD size = 0;
    if (NelRegReadRaw(path, &data, &size) != ERROR_SUCCESS || !data)
        return FALSE;
    // The buffer holds size + 2 bytes. For an odd size the last whole
    // wide unit that fits is (size + 2) / 2 - 1, so the scan stops there
    // instead of reading a unit that would reach past the buffer.
    const wchar_t* text = reinterpret_cast<const wchar_t*>(data);
    int units = static_cast<int>((size + 2) / 2);
    int len = 0;
    while (len < units && text[len])
        ++len;
    // Copied by count: the data need not hold a terminator of its own.
    CNelStrW value(len + 1);
    CopyMemory(value.GetBuff(), text, len * sizeof(wchar_t));
    value.ResetLen();
    delete[] data;
    out = value;
    return TRUE;
}

int NelRegReadByte(const wchar_t* path, int defaultValue)
{
    BYTE* data = nullptr;
    DWORD size = 0;
    if (!path || NelRegReadRaw(path, &data, &size) != ERROR_SUCCESS || !data)
        return defaultValue;
    // A value without data has no first byte; the zero padding behind it
    // is not data, so the caller's default stands.
    int result = size ? data[0] : defaultValue;
    delete[] data;
    return result;
}
