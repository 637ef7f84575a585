#include "FuzzIniModel.h"
#include <climits>
#include <cwctype>

namespace Fuzz {

IniModel::IniModel(const std::string& bytes) : m_empty(bytes.empty())
{
    size_t i = 0;
    if (bytes.size() >= 2) {
        const unsigned b0 = (unsigned char)bytes[0], b1 = (unsigned char)bytes[1];
        if ((b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF))
            i = 2;
    }
    for (; i < bytes.size(); i += 2) {
        const unsigned lo = (unsigned char)bytes[i];
        const unsigned hi = i + 1 < bytes.size() ? (unsigned char)bytes[i + 1] : 0;
        const wchar_t unit = (wchar_t)(lo | (hi << 8));
        if (!unit)
            break;
        m_text += unit;
    }
}

bool IniModel::Get(const std::wstring& section, const std::wstring& key, std::wstring& value) const
{
    if (m_empty)
        return false;
    const std::wstring header = L"[" + section + L"]";
    size_t at = m_text.find(header);
    if (at == std::wstring::npos)
        return false;
    if (at != 0) {
        at = m_text.find(L"\n" + header);
        if (at == std::wstring::npos)
            return false;
    }
    size_t end = m_text.find(L"\n[", at + 1);
    if (end == std::wstring::npos)
        end = m_text.size();
    const std::wstring line = L"\n" + key + L"=";
    const size_t keyAt = m_text.find(line, at + 1);
    if (keyAt == std::wstring::npos || keyAt > end)
        return false;
    size_t start = keyAt + line.size();
    size_t stop = m_text.find(L'\n', start);
    if (stop == std::wstring::npos)
        stop = m_text.size();
    while (start < stop && m_text[start] == L'\r')
        ++start;
    while (stop > start && m_text[stop - 1] == L'\r')
        --stop;
    value = m_text.substr(start, stop - start);
    return true;
}

int IniModel::GetInt(const std::wstring& section, const std::wstring& key, int defaultValue) const
{
    std::wstring value;
    return Get(section, key, value) ? DecimalValue(value) : defaultValue;
}

bool IniModel::Given(const std::wstring& section, const std::wstring& key) const
{
    std::wstring value;
    return Get(section, key, value) && !value.empty();
}

int DecimalValue(const std::wstring& text)
{
    size_t i = 0;
    while (i < text.size() && iswspace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+'))
        negative = text[i++] == L'-';
    long long v = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        v = v * 10 + (text[i] - L'0');
        if (v > 1LL << 40)
            break;
    }
    if (negative)
        v = -v;
    return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : (int)v;
}

} // namespace Fuzz
