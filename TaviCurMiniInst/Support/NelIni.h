// Reader of the installer's UTF-16 INI files, and the two helpers that
// find the running program's own path and folder.
//
// Each query opens the file, reads it whole, searches it and closes it
// again: there is no cache and no writer. Matching is a literal,
// case-sensitive substring search; the file syntax it accepts is:
//   - UTF-16 little-endian; a leading FF FE or FE FF pair is skipped and
//     the rest is read as little-endian whatever the pair was;
//   - the text ends at the end of the file or at the first zero unit;
//   - a header "[Name]" starts at the first character or right after LF;
//   - a section runs up to the next LF followed by "[";
//   - a key line is LF + key + "=", the value runs to the next LF, and only
//     CR characters are stripped from the two ends of the value.
#pragma once
#include <windows.h>
#include <memory>
#include "Str/NelStr.h"

// Full path of the running program file. Returns its length, or 0 on
// failure (path is then unchanged).
int NelGetModulePath(CNelStrW& path);

// Folder of the running program without a trailing backslash. Returns the
// new length of dir, or 0 when the program path cannot be had or holds no
// backslash (dir is then unchanged).
int NelGetModuleDir(CNelStrW& dir);

// Value of key in [section] of iniPath. iniPath empty or NULL: the program's
// own path with its extension replaced by ".ini"; a name without any
// backslash: that name in the program's folder; anything else as given.
// Returns TRUE and stores the value; on any failure returns FALSE and leaves
// value as it was.
BOOL NelIniGetStr(const wchar_t* section, const wchar_t* key, CNelStrW& value,
                  const wchar_t* iniPath);

// The same value as a decimal integer (leading white space, optional sign,
// digits up to the first other character; an empty value gives 0).
// defaultValue when the file or the key cannot be found.
int NelIniGetInt(const wchar_t* section, const wchar_t* key, int defaultValue,
                 const wchar_t* iniPath);

// One file read once for many lookups in a row, each answered as
// NelIniGetStr would answer it (the same path rule and syntax). For a text
// that names thousands of keys, where reading the file for each would take
// time in proportion to the keys times the file's size.
class CNelIniFile {
public:
    explicit CNelIniFile(const wchar_t* iniPath);
    BOOL GetStr(const wchar_t* section, const wchar_t* key, CNelStrW& value) const;

private:
    std::unique_ptr<wchar_t[]> m_text;
};
