// The registry values an installation leaves under a few keys of the
// current user: read them all, delete them all, compare two readings.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace NelBench {

struct RegValue {
    std::wstring key;   // under HKEY_CURRENT_USER
    std::wstring name;  // empty: the key's default value
    DWORD type;
    std::vector<BYTE> data;
};

// Every value of each key (a key that does not exist has none).
std::vector<RegValue> ReadValues(const std::vector<std::wstring>& keys);

// Deletes every value of each key; the keys themselves stay.
void DeleteValues(const std::vector<std::wstring>& keys);

// Empty when actual holds exactly the expected values (same names, types
// and data); otherwise what differs first.
std::wstring DescribeDifference(const std::vector<RegValue>& expected,
                                const std::vector<RegValue>& actual);

// The key under HKEY_CURRENT_USER of a registry path string that names a
// value ("HKEY_CURRENT_USER\key\value"), or empty for another root or a
// path without a key.
std::wstring UserKeyOfValuePath(const std::wstring& path);

// The data of a string value as text (without its terminating zero).
std::wstring ValueText(const RegValue& value);

} // namespace NelBench
