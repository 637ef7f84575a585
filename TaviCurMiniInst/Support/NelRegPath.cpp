// Splitting a registry path string into root key, subkey and value name.
#include "NelReg.h"

namespace {

struct RootName {
    const wchar_t* prefix; // root name with its backslash
    HKEY key;
};

// Tested in this order; the backslash is part of each prefix, so that
// "HKEY_USERS" does not also match "HKEY_USERSX\...".
const RootName kRoots[] = {
    { L"HKEY_CLASSES_ROOT\\", HKEY_CLASSES_ROOT },
    { L"HKEY_CURRENT_USER\\", HKEY_CURRENT_USER },
    { L"HKEY_LOCAL_MACHINE\\", HKEY_LOCAL_MACHINE },
    { L"HKEY_USERS\\", HKEY_USERS },
    { L"HKEY_DYN_DATA\\", HKEY_DYN_DATA },
    { L"HKEY_PERFORMANCE_DATA\\", HKEY_PERFORMANCE_DATA },
};

// The root names are plain ASCII, so folding a-z is all the letter-case
// rule needs; it also keeps the comparison independent of the locale.
wchar_t FoldAscii(wchar_t c)
{
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

// TRUE when path starts with prefix, ignoring the letter case. Stops at
// the end of path, so a path shorter than the prefix never matches.
bool StartsWithNoCase(const wchar_t* path, const wchar_t* prefix)
{
    for (; *prefix; ++path, ++prefix) {
        if (FoldAscii(*path) != FoldAscii(*prefix))
            return false;
    }
    return true;
}

const wchar_t* LastBackslash(const wchar_t* s)
{
    const wchar_t* last = nullptr;
    for (; *s; ++s) {
        if (*s == L'\\')
            last = s;
    }
    return last;
}

} // namespace

HKEY NelRegParsePath(const wchar_t* path, CNelStrW& subKey, CNelStrW& valueName)
{
    if (!path)
        return nullptr;
    const RootName* root = nullptr;
    for (const RootName& r : kRoots) {
        if (StartsWithNoCase(path, r.prefix)) {
            root = &r;
            break;
        }
    }
    if (!root)
        return nullptr;

    const wchar_t* rest = path + lstrlenW(root->prefix);
    const wchar_t* split = LastBackslash(rest);
    // Both strings always get a buffer, so that callers may pass them on
    // as C strings even when they are empty.
    CNelStrW key(L"");
    CNelStrW name(split ? split + 1 : rest);
    if (split > rest)
        key = CNelStrW(rest).Left(static_cast<int>(split - rest));
    // "%NULL%" lets an install-info author name the default value in a
    // path that would otherwise have to end in a bare backslash.
    if (name.CompareNC(L"%NULL%") == 0)
        name = L"";
    subKey = key;
    valueName = name;
    return root->key;
}
