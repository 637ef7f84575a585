#include "CursorFileCheck.h"
#include <windows.h>
#include <cstring>

namespace {

// The first bytes of the file; a cursor's headers are all near the start
// except the chunks of an animated one, which are walked in the file.
bool ReadHead(const std::wstring& path, std::string& bytes, size_t limit)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD size = GetFileSize(file, nullptr);
    if (size == INVALID_FILE_SIZE)
        size = 0;
    bytes.assign(size < limit ? size : limit, '\0');
    DWORD read = 0;
    bool ok = bytes.empty() || ReadFile(file, &bytes[0], (DWORD)bytes.size(), &read, nullptr);
    bytes.resize(read);
    CloseHandle(file);
    return ok;
}

unsigned Word(const std::string& b, size_t at)
{
    return (unsigned char)b[at] | ((unsigned char)b[at + 1] << 8);
}

unsigned Dword(const std::string& b, size_t at)
{
    return Word(b, at) | (Word(b, at + 2) << 16);
}

bool CheckStatic(const std::string& b, Msg& reason)
{
    unsigned count = b.size() >= 6 ? Word(b, 4) : 0;
    if (b.size() < 6 || Word(b, 0) != 0 || Word(b, 2) != 2 || count == 0) {
        reason = b.size() < 6 ? Msg::CursorShort : Msg::CursorNotDir;
        return false;
    }
    if (b.size() < 6 + 16 * (size_t)count) {
        reason = Msg::CursorShort;
        return false;
    }
    return true;
}

bool CheckAnimated(const std::string& b, Msg& reason)
{
    if (b.size() < 12 || memcmp(b.data() + 8, "ACON", 4) != 0) {
        reason = b.size() < 12 ? Msg::CursorShort : Msg::CursorNoAcon;
        return false;
    }
    for (size_t at = 12; at + 8 <= b.size();) {
        if (memcmp(b.data() + at, "anih", 4) == 0)
            return true;
        size_t size = Dword(b, at + 4);
        at += 8 + size + (size & 1);
    }
    reason = Msg::CursorNoAnih;
    return false;
}

} // namespace

bool IsCursorFileValid(const std::wstring& path, Msg& reason)
{
    std::string b;
    if (!ReadHead(path, b, 1 << 20) || b.size() < 4) {
        reason = Msg::CursorShort;
        return false;
    }
    if (memcmp(b.data(), "RIFF", 4) == 0)
        return CheckAnimated(b, reason);
    return CheckStatic(b, reason);
}
