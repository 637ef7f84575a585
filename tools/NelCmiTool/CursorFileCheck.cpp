#include "CursorFileCheck.h"
#include <windows.h>
#include <cstring>

namespace {

bool ReadAll(const std::wstring& path, std::string& bytes, size_t limit)
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

// One image of a directory: a PNG, or a device-independent bitmap whose
// header the loader knows (core, info, V4 or V5), inside the file.
bool ImageLoads(const std::string& b, size_t offset, size_t size)
{
    if (offset >= b.size() || size > b.size() - offset || size < 12)
        return false;
    if (memcmp(b.data() + offset, "\x89PNG\r\n\x1a\n", 8) == 0)
        return true;
    unsigned header = Dword(b, offset);
    long width, height;
    unsigned planes, bits;
    if (header == 12) {
        width = Word(b, offset + 4);
        height = Word(b, offset + 6);
        planes = Word(b, offset + 8);
        bits = Word(b, offset + 10);
    } else if (header == 40 || header == 108 || header == 124) {
        if (size < header)
            return false;
        width = (long)Dword(b, offset + 4);
        height = (long)Dword(b, offset + 8);
        planes = Word(b, offset + 12);
        bits = Word(b, offset + 14);
        unsigned compression = Dword(b, offset + 16);
        if (compression != BI_RGB && compression != BI_BITFIELDS)
            return false;
    } else {
        return false;
    }
    if (width <= 0 || height == 0 || planes != 1)
        return false;
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

CursorVerdict CheckStatic(const std::string& b)
{
    CursorVerdict v;
    if (b.size() < 6) {
        v.loads = false;
        v.reason = Msg::CursorShort;
        return v;
    }
    v.directoryType = (int)Word(b, 2);
    unsigned count = Word(b, 4);
    if (count == 0 || b.size() < 6 + 16 * (size_t)count) {
        v.loads = false;
        v.reason = count == 0 ? Msg::CursorNoImage : Msg::CursorShort;
        return v;
    }
    int usable = 0;
    for (unsigned i = 0; i < count; ++i) {
        size_t entry = 6 + 16 * (size_t)i;
        if (ImageLoads(b, Dword(b, entry + 12), Dword(b, entry + 8)))
            ++usable;
        else
            ++v.damagedImages;
    }
    if (usable == 0) {
        v.loads = false;
        v.reason = Msg::CursorNoImage;
    }
    return v;
}

CursorVerdict CheckAnimated(const std::string& b)
{
    CursorVerdict v;
    v.loads = false;
    if (b.size() < 12 || memcmp(b.data() + 8, "ACON", 4) != 0) {
        v.reason = b.size() < 12 ? Msg::CursorShort : Msg::CursorNoAcon;
        return v;
    }
    bool header = false, frames = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        size_t size = Dword(b, at + 4);
        if (memcmp(b.data() + at, "anih", 4) == 0)
            header = size >= 36 && at + 8 + 36 <= b.size();
        // LIST "fram" holds the frames as "icon" chunks; the loader takes
        // the list even when it is empty.
        if (memcmp(b.data() + at, "LIST", 4) == 0 && at + 12 <= b.size() &&
            memcmp(b.data() + at + 8, "fram", 4) == 0) {
            frames = true;
            v.noFrames = at + 16 > b.size() || size < 12 || memcmp(b.data() + at + 12, "icon", 4) != 0;
        }
        // A chunk that claims more than the file holds ends the walk; in a
        // 32-bit size_t its size would wrap the position round to itself
        // (0xFFFFFFF8) or back, and the walk would never end.
        if (size > b.size() - at - 8)
            break;
        at += 8 + size + (size & 1);
    }
    v.loads = header && frames;
    v.reason = !header ? Msg::CursorNoAnih : Msg::CursorNoFrames;
    return v;
}

} // namespace

CursorVerdict CheckCursorFile(const std::wstring& path)
{
    std::string b;
    if (!ReadAll(path, b, 16 << 20) || b.size() < 4) {
        CursorVerdict v;
        v.loads = false;
        v.reason = Msg::CursorShort;
        return v;
    }
    if (memcmp(b.data(), "RIFF", 4) == 0)
        return CheckAnimated(b);
    return CheckStatic(b);
}
