// Reading resources out of a built module without running it: the module
// is mapped as a data file, and resources are looked up by type, name and
// language.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace ResTest {

const WORD kLangJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);  // 0x411

// Full path of a file in the folder of the running test program, where the
// build puts the installer and the library as well.
std::wstring BinPath(const wchar_t* fileName);

// A module mapped with LOAD_LIBRARY_AS_DATAFILE: its resources can be read,
// none of its code runs.
class DataModule {
public:
    explicit DataModule(const std::wstring& path);
    ~DataModule();
    DataModule(const DataModule&) = delete;
    DataModule& operator=(const DataModule&) = delete;

    HMODULE Handle() const { return m_module; }
    DWORD LoadError() const { return m_error; }

private:
    HMODULE m_module;
    DWORD m_error;
};

// Bytes of one resource in one language; empty when there is none.
std::vector<BYTE> ResourceBytes(HMODULE module, LPCWSTR type, LPCWSTR name, WORD lang);

// Languages in which a resource exists.
std::vector<WORD> ResourceLanguages(HMODULE module, LPCWSTR type, LPCWSTR name);

// Integer names of all resources of one type (string names are skipped).
std::vector<UINT> ResourceIds(HMODULE module, LPCWSTR type);

// One string of the string table in one language. Returns false when its
// block or the string is missing; an empty string counts as missing, as it
// does for LoadString.
bool TableString(HMODULE module, UINT id, WORD lang, std::wstring* text);

// IDs of all non-empty strings of the string table in one language.
std::vector<UINT> TableStringIds(HMODULE module, WORD lang);

// Readable form of a wide string for failure messages: the text in UTF-8
// with line breaks and other control characters shown as escapes.
std::string Show(const std::wstring& text);

}  // namespace ResTest
