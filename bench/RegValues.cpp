#include "RegValues.h"

namespace NelBench {

namespace {

void ReadKey(const std::wstring& keyPath, std::vector<RegValue>& out)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    for (DWORD i = 0;; ++i) {
        wchar_t name[16384];
        DWORD nameLen = 16384, type = 0, size = 0;
        if (RegEnumValueW(key, i, name, &nameLen, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            break;
        RegValue value = {keyPath, std::wstring(name, nameLen), type, std::vector<BYTE>(size)};
        nameLen = 16384;
        if (RegEnumValueW(key, i, name, &nameLen, nullptr, &type,
                          size ? value.data.data() : nullptr, &size) == ERROR_SUCCESS)
            out.push_back(value);
    }
    RegCloseKey(key);
}

const RegValue* Find(const std::vector<RegValue>& values, const RegValue& like)
{
    for (const RegValue& v : values)
        if (v.key == like.key && lstrcmpiW(v.name.c_str(), like.name.c_str()) == 0)
            return &v;
    return nullptr;
}

// Strings compare by their text: whether the stored data counts the
// terminating zero is up to the writer.
bool SameData(const RegValue& a, const RegValue& b)
{
    if (a.type == REG_SZ || a.type == REG_EXPAND_SZ)
        return ValueText(a) == ValueText(b);
    return a.data == b.data;
}

std::wstring Where(const RegValue& v)
{
    return L"HKCU\\" + v.key + L" \"" + (v.name.empty() ? L"(default)" : v.name) + L"\"";
}

} // namespace

std::vector<RegValue> ReadValues(const std::vector<std::wstring>& keys)
{
    std::vector<RegValue> values;
    for (const std::wstring& key : keys)
        ReadKey(key, values);
    return values;
}

void DeleteValues(const std::vector<std::wstring>& keys)
{
    for (const RegValue& v : ReadValues(keys)) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, v.key.c_str(), 0, KEY_SET_VALUE, &key) ==
            ERROR_SUCCESS) {
            RegDeleteValueW(key, v.name.empty() ? nullptr : v.name.c_str());
            RegCloseKey(key);
        }
    }
}

std::wstring DescribeDifference(const std::vector<RegValue>& expected,
                                const std::vector<RegValue>& actual)
{
    for (const RegValue& e : expected) {
        const RegValue* a = Find(actual, e);
        if (!a)
            return Where(e) + L" is missing";
        if (a->type != e.type)
            return Where(e) + L" has type " + std::to_wstring(a->type) + L", not " +
                   std::to_wstring(e.type);
        if (!SameData(*a, e))
            return Where(e) + L" = \"" + ValueText(*a) + L"\", not \"" + ValueText(e) + L"\"";
    }
    for (const RegValue& a : actual)
        if (!Find(expected, a))
            return Where(a) + L" was not expected";
    return L"";
}

std::wstring ValueText(const RegValue& value)
{
    if (value.type == REG_DWORD && value.data.size() == sizeof(DWORD))
        return std::to_wstring(*reinterpret_cast<const DWORD*>(value.data.data()));
    std::wstring text(reinterpret_cast<const wchar_t*>(value.data.data()),
                      value.data.size() / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0')
        text.pop_back();
    return text;
}

std::wstring UserKeyOfValuePath(const std::wstring& path)
{
    const std::wstring root = L"HKEY_CURRENT_USER\\";
    if (path.compare(0, root.size(), root) != 0 || path.rfind(L'\\') <= root.size())
        return L"";
    return path.substr(root.size(), path.rfind(L'\\') - root.size());
}

} // namespace NelBench
