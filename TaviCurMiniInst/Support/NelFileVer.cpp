// One string of a file's version resource.
#include "NelPath.h"
#include <memory>

namespace {

// Code pages tried when the file's first translation has no table, in
// this order; for each, the languages below (Japanese first).
const WORD kCodePages[] = { 1200, 0, 932, 949, 950, 1250, 1251, 1252, 1253, 1254, 1255, 1256 };
const WORD kLanguages[] = {
    0x0411, 0x0011, 0x0401, 0x0402, 0x0403, 0x0404, 0x0405, 0x0406, 0x0407, 0x0408,
    0x0409, 0x040A, 0x040B, 0x040C, 0x040D, 0x040E, 0x040F, 0x0410, 0x0412, 0x0413,
    0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0804, 0x0807, 0x0809, 0x080A, 0x080C, 0x0810,
    0x0813, 0x0814, 0x0816, 0x081A, 0x0C0C, 0x100C, 0x0000, 0x0400, 0x0800, 0x0C04,
    0x1004, 0x0C09, 0x1009, 0x1409, 0x1809, 0x0C07, 0x0424, 0x0C0A, 0x042A,
};
static_assert(sizeof(kCodePages) / sizeof(kCodePages[0]) == 12, "twelve code pages");
static_assert(sizeof(kLanguages) / sizeof(kLanguages[0]) == 59, "fifty-nine languages");

// Room the version functions may use beyond the reported size.
const DWORD kBlockSlack = 24;

// The value key of the string table for language and code page.
bool QueryString(const BYTE* block, WORD language, WORD codePage, const wchar_t* key,
                 CNelStrW& value)
{
    wchar_t table[16];
    wsprintfW(table, L"%04x%04x", language, codePage);
    CNelStrW subBlock(L"\\StringFileInfo\\");
    subBlock += table;
    subBlock += L"\\";
    subBlock += key;
    void* data = nullptr;
    UINT len = 0;
    if (!VerQueryValueW(block, subBlock.t(), &data, &len) || !data)
        return false;
    // len counts characters; the string need not end within them.
    const wchar_t* text = static_cast<const wchar_t*>(data);
    int n = 0;
    while (static_cast<UINT>(n) < len && text[n])
        ++n;
    CNelStrW found(n + 1);
    lstrcpynW(found.GetBuff(), text, n + 1);
    found.ResetLen();
    value = found;
    return true;
}

} // namespace

BOOL NelGetFileVerStr(CNelStrW& out, const wchar_t* file, const wchar_t* key)
{
    if (!key)
        return FALSE;
    CNelStrW path;
    if (!NelGetTruePath(file, path))
        return FALSE;
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path.t(), &ignored);
    if (!size)
        return FALSE;
    std::unique_ptr<BYTE[]> block(new BYTE[size + kBlockSlack]());
    if (!GetFileVersionInfoW(path.t(), 0, size, block.get()))
        return FALSE;

    void* data = nullptr;
    UINT len = 0;
    if (!VerQueryValueW(block.get(), L"\\VarFileInfo\\Translation", &data, &len))
        return FALSE;
    // Pairs of language and code page.
    const WORD* translation = static_cast<const WORD*>(data);
    CNelStrW value;
    // An empty translation list has no first entry to read.
    bool found = translation && len >= 2 * sizeof(WORD) &&
                 QueryString(block.get(), translation[0], translation[1], key, value);
    for (size_t c = 0; !found && c < sizeof(kCodePages) / sizeof(kCodePages[0]); ++c)
        for (size_t l = 0; !found && l < sizeof(kLanguages) / sizeof(kLanguages[0]); ++l)
            found = QueryString(block.get(), kLanguages[l], kCodePages[c], key, value);
    if (!found)
        return FALSE;
    out = value;
    return TRUE;
}
