#include "ResourceReader.h"
#include "TestFiles.h"

namespace ResTest {

std::wstring BinPath(const wchar_t* fileName)
{
    return NelTest::ExeDir() + L"\\" + fileName;
}

DataModule::DataModule(const std::wstring& path)
    : m_module(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)),
      m_error(m_module ? 0 : GetLastError())
{
}

DataModule::~DataModule()
{
    if (m_module)
        FreeLibrary(m_module);
}

std::vector<BYTE> ResourceBytes(HMODULE module, LPCWSTR type, LPCWSTR name, WORD lang)
{
    std::vector<BYTE> bytes;
    HRSRC info = FindResourceExW(module, type, name, lang);
    if (!info)
        return bytes;
    HGLOBAL data = LoadResource(module, info);
    DWORD size = SizeofResource(module, info);
    const BYTE* p = data ? static_cast<const BYTE*>(LockResource(data)) : nullptr;
    if (p)
        bytes.assign(p, p + size);
    return bytes;
}

static BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD lang, LONG_PTR param)
{
    reinterpret_cast<std::vector<WORD>*>(param)->push_back(lang);
    return TRUE;
}

std::vector<WORD> ResourceLanguages(HMODULE module, LPCWSTR type, LPCWSTR name)
{
    std::vector<WORD> langs;
    EnumResourceLanguagesW(module, type, name, CollectLanguage,
                           reinterpret_cast<LONG_PTR>(&langs));
    return langs;
}

static BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param)
{
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<UINT>*>(param)->push_back(
            static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

std::vector<UINT> ResourceIds(HMODULE module, LPCWSTR type)
{
    std::vector<UINT> ids;
    EnumResourceNamesW(module, type, CollectName, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

// A string block holds 16 counted strings: a WORD length, then that many
// UTF-16 units, no terminator. Block n (from 1) holds IDs (n-1)*16 ... +15.
static std::vector<std::wstring> BlockStrings(const std::vector<BYTE>& block)
{
    std::vector<std::wstring> strings;
    size_t pos = 0;
    while (strings.size() < 16 && pos + 2 <= block.size()) {
        WORD len = static_cast<WORD>(block[pos] | (block[pos + 1] << 8));
        pos += 2;
        if (pos + len * 2u > block.size())
            break;  // truncated block: keep what was complete
        std::wstring s(len, L'\0');
        for (WORD i = 0; i < len; ++i)
            s[i] = static_cast<wchar_t>(block[pos + 2 * i] | (block[pos + 2 * i + 1] << 8));
        pos += len * 2u;
        strings.push_back(s);
    }
    return strings;
}

bool TableString(HMODULE module, UINT id, WORD lang, std::wstring* text)
{
    std::vector<BYTE> block =
        ResourceBytes(module, RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), lang);
    std::vector<std::wstring> strings = BlockStrings(block);
    if (id % 16 >= strings.size() || strings[id % 16].empty())
        return false;
    *text = strings[id % 16];
    return true;
}

std::vector<UINT> TableStringIds(HMODULE module, WORD lang)
{
    std::vector<UINT> ids;
    for (UINT blockId : ResourceIds(module, RT_STRING)) {
        std::vector<BYTE> block =
            ResourceBytes(module, RT_STRING, MAKEINTRESOURCEW(blockId), lang);
        std::vector<std::wstring> strings = BlockStrings(block);
        for (size_t i = 0; i < strings.size(); ++i)
            if (!strings[i].empty())
                ids.push_back((blockId - 1) * 16 + static_cast<UINT>(i));
    }
    return ids;
}

std::string Show(const std::wstring& text)
{
    std::wstring escaped;
    for (wchar_t c : text) {
        if (c == L'\n')
            escaped += L"\\n";
        else if (c == L'\r')
            escaped += L"\\r";
        else if (c < 0x20) {
            wchar_t buf[8];
            wsprintfW(buf, L"\\x%02x", c);
            escaped += buf;
        } else
            escaped += c;
    }
    int n = WideCharToMultiByte(CP_UTF8, 0, escaped.c_str(), static_cast<int>(escaped.size()),
                                nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n : 0, '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, escaped.c_str(), static_cast<int>(escaped.size()), &out[0],
                            n, nullptr, nullptr);
    return "\"" + out + "\"";
}

}  // namespace ResTest
