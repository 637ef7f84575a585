#include "InfWriter.h"
#include <windows.h>

namespace NelBench {

namespace {

// AddReg flags of the value types the installer writes.
const wchar_t kFlagString[] = L"0x00000000";
const wchar_t kFlagExpand[] = L"0x00020000";
const wchar_t kFlagDword[] = L"0x00010001";

// Wine's INF reader cuts every field after 511 characters; longer data
// is put together from [Strings] entries of at most this length.
const size_t kChunk = 400;

// A quoted INF string. '"' ends the string and is doubled; in a field "%"
// starts a string substitution and is doubled too, while the text of a
// [Strings] entry is taken as it stands.
std::wstring Quoted(const std::wstring& text, bool field = true)
{
    std::wstring out = L"\"";
    for (wchar_t c : text) {
        if (c == L'"' || (field && c == L'%'))
            out += c;
        out += c;
    }
    return out + L"\"";
}

// The field for a string value: quoted as it is when short enough, else
// "%Chunk1%%Chunk2%..." with the pieces added to strings.
std::wstring DataField(const std::wstring& data, std::wstring& strings, int& chunks)
{
    if (data.size() <= kChunk)
        return Quoted(data);
    std::wstring field = L"\"";
    for (size_t at = 0; at < data.size(); at += kChunk) {
        std::wstring name = L"Chunk" + std::to_wstring(++chunks);
        strings += name + L"=" + Quoted(data.substr(at, kChunk), false) + L"\r\n";
        field += L"%" + name + L"%";
    }
    return field + L"\"";
}

bool AddRegLine(const RegValue& v, std::wstring& line, std::wstring& strings, int& chunks,
                std::wstring& error)
{
    line = L"HKCU," + Quoted(v.key) + L"," + (v.name.empty() ? L"" : Quoted(v.name)) + L",";
    if (v.type == REG_SZ || v.type == REG_EXPAND_SZ) {
        line += (v.type == REG_SZ ? kFlagString : kFlagExpand);
        line += L"," + DataField(ValueText(v), strings, chunks);
        return true;
    }
    if (v.type == REG_DWORD) {
        line += kFlagDword;
        line += L"," + ValueText(v);
        return true;
    }
    error = L"value \"" + v.name + L"\" has type " + std::to_wstring(v.type) +
            L", which this INF writer does not handle";
    return false;
}

bool SaveUtf16(const std::wstring& path, const std::wstring& text)
{
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return false;
    std::wstring withMark = L"\xFEFF" + text;
    DWORD bytes = static_cast<DWORD>(withMark.size() * sizeof(wchar_t)), written = 0;
    bool ok = WriteFile(f, withMark.data(), bytes, &written, nullptr) && written == bytes;
    CloseHandle(f);
    return ok;
}

} // namespace

bool WriteInstallInf(const std::wstring& infPath, const std::wstring& windowsSubFolder,
                     const std::vector<std::wstring>& names, const std::vector<RegValue>& values,
                     std::wstring& error)
{
    std::wstring text = L"[Version]\r\nSignature=\"$CHICAGO$\"\r\n\r\n"
                        L"[DefaultInstall]\r\nCopyFiles=Cursor.Files\r\nAddReg=Cursor.Reg\r\n\r\n"
                        L"[DestinationDirs]\r\nCursor.Files=10," +
                        Quoted(windowsSubFolder) + L"\r\n\r\n[Cursor.Files]\r\n";
    for (const std::wstring& name : names)
        text += name + L"\r\n";
    text += L"\r\n[Cursor.Reg]\r\n";
    std::wstring strings;
    int chunks = 0;
    for (const RegValue& v : values) {
        std::wstring line;
        if (!AddRegLine(v, line, strings, chunks, error))
            return false;
        text += line + L"\r\n";
    }
    if (!strings.empty())
        text += L"\r\n[Strings]\r\n" + strings;
    if (!SaveUtf16(infPath, text)) {
        error = L"cannot write " + infPath;
        return false;
    }
    return true;
}

} // namespace NelBench
