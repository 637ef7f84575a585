#include "AuthorIntent.h"
#include <windows.h>
#include <map>
#include "ToolRun.h"

namespace CmiTest {

namespace {

const wchar_t* const kRoleNames[17] = {L"Arrow", L"Help", L"Wait",  L"Busy",  L"Cross", L"Beam",
                                       L"Pen",   L"No",   L"Size4", L"Size3", L"Size2", L"Size1",
                                       L"Move",  L"Up",   L"Hand",  L"Pin",   L"Person"};

std::wstring Lower(std::wstring s)
{
    if (!s.empty())
        CharLowerBuffW(&s[0], (DWORD)s.size());
    return s;
}

std::wstring Trim(const std::wstring& s)
{
    size_t b = s.find_first_not_of(L" \t\r");
    if (b == std::wstring::npos)
        return std::wstring();
    return s.substr(b, s.find_last_not_of(L" \t\r") - b + 1);
}

std::wstring Decode(const std::string& b)
{
    if (b.size() >= 2 && (unsigned char)b[0] == 0xFF && (unsigned char)b[1] == 0xFE)
        return std::wstring(reinterpret_cast<const wchar_t*>(b.data() + 2), (b.size() - 2) / 2);
    if (b.size() >= 2 && (unsigned char)b[0] == 0xFE && (unsigned char)b[1] == 0xFF) {
        std::wstring t;
        for (size_t i = 2; i + 1 < b.size(); i += 2)
            t += (wchar_t)(((unsigned char)b[i] << 8) | (unsigned char)b[i + 1]);
        return t;
    }
    if (b.size() >= 2 && b[1] == 0)  // UTF-16LE without a mark
        return std::wstring(reinterpret_cast<const wchar_t*>(b.data()), b.size() / 2);
    size_t skip = b.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    UINT cp = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, b.data() + skip,
                                  (int)(b.size() - skip), nullptr, 0) > 0 ? CP_UTF8 : 932;
    int n = MultiByteToWideChar(cp, 0, b.data() + skip, (int)(b.size() - skip), nullptr, 0);
    std::wstring t(n, L'\0');
    if (n > 0)
        MultiByteToWideChar(cp, 0, b.data() + skip, (int)(b.size() - skip), &t[0], n);
    return t;
}

bool IsInstallKey(const std::wstring& section, const std::wstring& key)
{
    return section == L"installfiles" || section == L"designlist" ||
           (section == L"maindlg" &&
            (key == L"definstallfolder" || key == L"dn1curname" || key == L"dn2curname")) ||
           (section == L"curinfo" && (key == L"curname" || key == L"productname")) ||
           (section == L"nelvoinfo" && key == L"nelcmifilever");
}

} // namespace

AuthorIntent ReadAuthorIntent(const std::wstring& infoFile)
{
    AuthorIntent intent;
    std::wstring text = Decode(ReadAllBytes(infoFile));
    std::map<std::pair<std::wstring, std::wstring>, std::wstring> values;
    std::wstring section;
    bool inSection = false;
    for (size_t start = 0; start <= text.size();) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos)
            end = text.size();
        std::wstring line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (!line.empty() && line[0] == L'[' && line.find(L']') != std::wstring::npos) {
            size_t close = line.find(L']');
            section = Lower(Trim(line.substr(1, close - 1)));
            inSection = true;
            line = Trim(line.substr(close + 1));  // a key written on the header line
        }
        size_t eq = line.find(L'=');
        if (!inSection || eq == std::wstring::npos || eq == 0)
            continue;
        std::wstring key = Lower(Trim(line.substr(0, eq)));
        std::wstring value = Trim(line.substr(eq + 1));
        auto id = std::make_pair(section, key);
        auto seen = values.find(id);
        if (seen == values.end())
            values[id] = value;
        else if (seen->second != value && IsInstallKey(section, key))
            intent.clear = false;
    }
    for (const auto& v : values) {
        const std::wstring& key = v.first.second;
        if (v.first.first == L"installfiles" && key.size() > 4 && key.compare(0, 4, L"file") == 0 &&
            !v.second.empty())
            intent.files.push_back(v.second);
        if (v.first.first != L"designlist")
            continue;
        for (int d = 0; d < 2; ++d)
            for (int r = 0; r < 17; ++r)
                if (key == Lower(L"dn" + std::to_wstring(d + 1) + L"_" + kRoleNames[r]))
                    intent.roles[d][r] = v.second;
    }
    return intent;
}

} // namespace CmiTest
