// File and folder helpers for tests: a temporary folder removed with its
// contents, and writers for raw bytes and UTF-16 text.
#pragma once
#include <windows.h>
#include <string>

namespace NelTest {

// A fresh, uniquely named folder under the system temporary folder,
// deleted with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::wstring& Path() const { return m_path; }
    // Path of a name inside the folder.
    std::wstring operator/(const std::wstring& name) const { return m_path + L"\\" + name; }

private:
    std::wstring m_path;
};

// Writes the bytes exactly as given; returns false when the file cannot be written.
bool WriteBytes(const std::wstring& path, const std::string& bytes);

// Writes UTF-16LE text, optionally after the FF FE byte-order mark.
bool WriteUtf16(const std::wstring& path, const std::wstring& text, bool bom = true);

// Removes a folder tree; missing folders count as removed.
void RemoveTree(const std::wstring& path);

// Folder of the running test program (no trailing backslash).
std::wstring ExeDir();

// The repository root as a Windows path (from NEL_SOURCE_DIR, which CMake
// sets to "Z:" + the source folder), with backslashes only: the INI reader
// treats a path without any backslash as a name in the program's folder.
std::wstring SourceDir();

// Source-relative path ("docs/examples/minimal.nelcmi") as a full path.
std::wstring SourcePath(const std::wstring& relative);

// The author guides, one per language, as source-relative paths, and the
// test-name suffix of each ("English", "Japanese") for parameterised tests.
extern const wchar_t* const kAuthorGuides[2];
std::string GuideLanguage(const wchar_t* guide);

} // namespace NelTest
