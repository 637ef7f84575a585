// Shared helpers of the INI reader tests: byte builders for test files and
// a readable view of CNelStrW results.
#pragma once
#include <windows.h>
#include <string>
#include "NelIni.h"

namespace IniTest {

// The text of a string result, with a visible marker for "no buffer".
inline std::wstring Text(const CNelStrW& s)
{
    return s.t() ? std::wstring(s.t()) : std::wstring(L"<no buffer>");
}

// UTF-16LE bytes of a text, without any byte-order mark.
inline std::string Le(const std::wstring& text)
{
    std::string bytes;
    for (wchar_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>((c >> 8) & 0xFF));
    }
    return bytes;
}

// UTF-16BE bytes of a text, without any byte-order mark.
inline std::string Be(const std::wstring& text)
{
    std::string bytes;
    for (wchar_t c : text) {
        bytes.push_back(static_cast<char>((c >> 8) & 0xFF));
        bytes.push_back(static_cast<char>(c & 0xFF));
    }
    return bytes;
}

// A wide literal with embedded zero units kept (std::wstring(const wchar_t*)
// would stop at the first one).
template <size_t N>
std::wstring WithZeros(const wchar_t (&s)[N])
{
    return std::wstring(s, N - 1);
}

const char kBomLe[] = "\xFF\xFE";
const char kBomBe[] = "\xFE\xFF";

// Printable form of raw bytes for failure messages.
inline std::string Hex(const std::string& bytes, size_t max = 48)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (size_t i = 0; i < bytes.size() && i < max; ++i) {
        unsigned char b = static_cast<unsigned char>(bytes[i]);
        out += digits[b >> 4];
        out += digits[b & 15];
        out += ' ';
    }
    if (bytes.size() > max)
        out += "...";
    return out;
}

// Narrow form of a wide text for failure messages (ASCII kept, the rest as \uXXXX).
inline std::string Narrow(const std::wstring& s)
{
    std::string out;
    char buf[8];
    for (wchar_t c : s) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            wsprintfA(buf, "\\u%04X", static_cast<unsigned>(c));
            out += buf;
        }
    }
    return out;
}

// Marker put into output strings before a call, to see that a failing call
// leaves them alone.
const wchar_t kSentinel[] = L"<untouched>";

// Deletes a file when the test that wrote it ends, however it ends.
class ScopedFileDelete {
public:
    explicit ScopedFileDelete(std::wstring path) : m_path(std::move(path)) {}
    ~ScopedFileDelete() { DeleteFileW(m_path.c_str()); }
    ScopedFileDelete(const ScopedFileDelete&) = delete;
    ScopedFileDelete& operator=(const ScopedFileDelete&) = delete;
    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
};

// The running test program's full path, straight from the system.
inline std::wstring SystemModulePath()
{
    std::wstring buf(32768, L'\0');
    DWORD n = GetModuleFileNameW(nullptr, &buf[0], static_cast<DWORD>(buf.size()));
    buf.resize(n);
    return buf;
}

} // namespace IniTest
