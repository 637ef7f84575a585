// The sections and keys an install-info file may hold, as the installer
// reads them, for telling a misspelt or misplaced key from an unknown one.
#pragma once
#include <string>
#include <vector>

struct SchemaKey {
    std::wstring section;
    std::wstring key;
    bool expanded;     // macro-expanded before use
    bool registryPath; // a registry path string
};

// Every fixed key; [InstallFiles] File<n> and [Strings] keys are matched
// by IsKnownKey instead.
const std::vector<SchemaKey>& SchemaKeys();

const std::vector<std::wstring>& SchemaSections();

// True when section/key is a key the installer reads (exact case).
bool IsKnownKey(const std::wstring& section, const std::wstring& key);

// The section that holds key (exact case), or empty.
std::wstring SectionOfKey(const std::wstring& key);

// A known name equal to name ignoring case, or empty.
std::wstring SectionCaseMatch(const std::wstring& name);
std::wstring KeyCaseMatch(const std::wstring& section, const std::wstring& key);

// The known key of section nearest to key by edit distance (ignoring
// case) when it is close enough to be a typing slip, else empty.
std::wstring ClosestKey(const std::wstring& section, const std::wstring& key);

// "File" + n, the numbered [InstallFiles] key.
std::wstring FileKeyName(int n);

// True when the installer's files or registry depend on section/key
// (compared ignoring case, as an author meant them): the file and design
// lists, the default folder, the design names, and the keys without which
// it does not start. A slip in one of these installs something else than
// the author wrote; a slip elsewhere only changes a text.
bool IsInstallKey(const std::wstring& section, const std::wstring& key);
