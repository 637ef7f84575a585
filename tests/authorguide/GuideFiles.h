// Access to the repository's author-guide material from a test under Wine:
// the source folder, whole files, the install-info packages and the
// fenced blocks of the guides.
#pragma once
#include "InstallFileList.h"
#include <windows.h>
#include <ostream>
#include <string>
#include <vector>

namespace Guide {

// The repository root as a Windows path (from NEL_SOURCE_DIR, which CMake
// sets to "Z:" + the source folder), with backslashes only: the INI reader
// treats a path without any backslash as a name in the program's folder.
std::wstring SourceDir();

// Source-relative path ("docs/examples/minimal.nelcmi") as a full path.
std::wstring SourcePath(const std::wstring& relative);

// The whole file as bytes; false when it cannot be read.
bool ReadBytes(const std::wstring& path, std::string& bytes);

// An install-info file as UTF-8 text with LF line ends: the UTF-16LE
// bytes after the byte-order mark, CR LF turned into LF.
bool ReadInfoFileAsUtf8(const std::wstring& path, std::string& text);

// One package: the install-info file and the folder it sits in.
struct Package {
    const wchar_t* relativeInfoFile;
    std::wstring InfoFile() const { return SourcePath(relativeInfoFile); }
    std::wstring Folder() const;
};

// Failure messages name the package by its install-info file.
void PrintTo(const Package& package, std::ostream* os);

// Every package the guide presents: the three examples and the demo set.
const std::vector<Package>& AllPackages();

// The example files the guides include verbatim (file names in docs/examples).
const std::vector<std::wstring>& ExampleNames();

// A fenced code block whose opening line names an install-info file:
// ```ini minimal.nelcmi
struct NamedBlock {
    std::string fileName;
    std::string body;  // the lines between the fences, each ending in LF
};

// All named blocks of a Markdown text (LF or CR LF line ends).
std::vector<NamedBlock> NamedBlocks(const std::string& markdown);

// Narrow form of a wide text for failure messages.
std::string Utf8(const std::wstring& text);

// Points the installer's readers at an install-info file (g_strInfoFile).
void UseInfoFile(const std::wstring& path);

// [InstallFiles] File0, File1, ... up to the first missing or empty one.
using NelTest::ReadInstallFileList;

} // namespace Guide
