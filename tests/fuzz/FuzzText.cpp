#include "FuzzText.h"
#include <cstdio>

namespace Fuzz {

namespace {

const wchar_t* const kPieces[] = {
    L"%", L"%%", L"%Version%", L"%CurName%", L"%ProductName%", L"%CompanyName%",
    L"%Copyright%", L"%Homepage%", L"%WindowsFolder%", L"%SystemFolder%",
    L"%ProgramFilesFolder%", L"%Maker%", L"%ab%", L"%abc%", L"%ver%", L"%NULL%", L"|no|",
    L"|fn|", L"|fp|", L"\\n", L"\\", L"/", L"..", L"\\..\\", L",", L"=", L"[", L"]", L":",
    L"*", L"?", L"\"", L"<", L">", L"|", L";", L"#", L" ", L"\t", L"\r", L"\n", L"\r\n",
    L"\x3042", L"\x6F22\x5B57", L"\xFF76\xFF9E", L"\xFF8A\xFF9F", L"\xFF61", L"\xFF21",
    L"\xD800", L"\xDC00", L"\xD83D\xDE00", L"\xFFFF", L"\xFEFF", L"\xFFFE", L"\x7F", L"\x01",
    L"a", L"Z", L"0", L"9", L"-", L"+", L".", L"HKEY_CURRENT_USER\\", L"C:\\", L"\\\\?\\",
};
const size_t kPieceCount = sizeof(kPieces) / sizeof(kPieces[0]);

std::wstring Repeat(const std::wstring& s, uint32_t n)
{
    std::wstring out;
    for (; n; --n)
        out += s;
    return out;
}

} // namespace

uint32_t Skewed(Random& r, uint32_t lo, uint32_t hi)
{
    // A uniform number of bits, then a uniform value of that many bits.
    const uint32_t span = hi - lo;
    uint32_t bits = 0;
    while (bits < 32 && (span >> bits))
        ++bits;
    const uint32_t width = r.Below(bits + 1);
    const uint32_t v = width ? r.Next() >> (32 - width) : 0;
    return lo + (v > span ? span : v);
}

std::wstring HostileText(Random& r, uint32_t maxLength)
{
    std::wstring text;
    switch (r.Below(12)) {
    case 0: return Repeat(L"\n", Skewed(r, 1, maxLength));                 // only line breaks
    case 1: return Repeat(L"\x3042", Skewed(r, 1, maxLength));             // no spaces
    case 2: return Repeat(L"%", Skewed(r, 1, 40));
    case 3: return L"";
    default: break;
    }
    const uint32_t length = Skewed(r, 1, maxLength);
    while (text.size() < length) {
        if (r.Below(3))
            text += kPieces[r.Below((uint32_t)kPieceCount)];
        else
            text += (wchar_t)(r.Below(4) ? 0x20 + r.Below(0x5F) : 1 + r.Below(0xFFFE));
    }
    return text;
}

std::string Show(const std::wstring& text)
{
    std::string out = "\"";
    size_t i = 0;
    for (; i < text.size() && out.size() < 160; ++i) {
        const wchar_t c = text[i];
        if (c == L'"' || c == L'\\') {
            out += '\\';
            out += (char)c;
        } else if (c >= 0x20 && c < 0x7F) {
            out += (char)c;
        } else {
            char esc[16];
            std::snprintf(esc, sizeof(esc), "\\u%04X", (unsigned)c);
            out += esc;
        }
    }
    out += "\"";
    if (i < text.size())
        out += "... (" + std::to_string(text.size()) + " units)";
    return out;
}

std::string Show(const std::string& bytes)
{
    std::wstring wide;
    for (unsigned char c : bytes)
        wide += (wchar_t)c;
    return Show(wide);
}

} // namespace Fuzz
