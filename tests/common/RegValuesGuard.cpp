#include "RegValuesGuard.h"

namespace NelTest {

std::vector<RegValuesGuard::Value> RegValuesGuard::Read() const
{
    std::vector<Value> values;
    HKEY h;
    if (RegOpenKeyExW(m_root, m_key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return values;
    for (DWORD i = 0;; ++i) {
        wchar_t name[16384];
        DWORD nameLen = 16384, type = 0, size = 0;
        if (RegEnumValueW(h, i, name, &nameLen, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            break;
        Value v = {name, type, std::vector<BYTE>(size)};
        nameLen = 16384;
        RegEnumValueW(h, i, name, &nameLen, nullptr, &type, v.data.empty() ? nullptr : v.data.data(),
                      &size);
        values.push_back(v);
    }
    RegCloseKey(h);
    return values;
}

RegValuesGuard::RegValuesGuard(HKEY root, const std::wstring& key)
    : m_root(root), m_key(key), m_existed(false)
{
    HKEY h;
    m_existed = RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &h) == ERROR_SUCCESS;
    if (m_existed)
        RegCloseKey(h);
    m_values = Read();
}

RegValuesGuard::~RegValuesGuard()
{
    HKEY h;
    LONG opened = m_existed ? RegCreateKeyExW(m_root, m_key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                              nullptr, &h, nullptr)
                            : RegOpenKeyExW(m_root, m_key.c_str(), 0, KEY_READ | KEY_WRITE, &h);
    if (opened == ERROR_SUCCESS) {
        for (const Value& now : Read()) {
            bool kept = false;
            for (const Value& old : m_values)
                kept = kept || old.name == now.name;
            if (!kept)
                RegDeleteValueW(h, now.name.c_str());
        }
        for (const Value& old : m_values)
            RegSetValueExW(h, old.name.c_str(), 0, old.type,
                           old.data.empty() ? nullptr : old.data.data(),
                           static_cast<DWORD>(old.data.size()));
        RegCloseKey(h);
    }
    if (!m_existed)
        RegDeleteKeyW(m_root, m_key.c_str());  // fails, harmlessly, if it has subkeys
}

} // namespace NelTest
