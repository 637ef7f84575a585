// Packages for "check": a clean install-info text whose every line is
// known, valid cursor files, and writers for the encodings authors use.
#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace CmiTest {

// Line numbers of the clean text, for the expectations.
enum CleanLine {
    kLineVersion = 2,
    kLineCurName = 4,
    kLineMainDlg = 7,
    kLineDN1CurName = 8,
    kLineDefFolder = 9,
    kLineFolderKey = 10,
    kLineMes = 11,
    kLineFile1 = 14,
    kLineArrow = 16,
    kLineHelp = 17,
    kLineWait = 18,
    kLineBeam = 21,
    kLinePen = 22,
    kLineNo = 23,
    kLineStrings = 31,
};

// The clean install-info text (CRLF): two files, all fifteen roles of
// design 1, a registry key, a user macro.
std::wstring CleanInfoText();

// The text with the first occurrence of find replaced (find must occur).
std::wstring Replace(const std::wstring& text, const std::wstring& find,
                     const std::wstring& replacement);

// Cursor files the system loads: a 32 x 32 static cursor and a
// two-frame animated one.
std::string ValidCur();
std::string ValidAni();

std::string Utf16Le(const std::wstring& text, bool bom);
std::string Utf16Be(const std::wstring& text);
std::string Utf8(const std::wstring& text, bool bom);
std::string CodePage(const std::wstring& text, unsigned codePage);

// Writes folder\set.nelcmi with infoBytes, arrow.cur and busy.ani.
void WritePackage(const std::wstring& folder, const std::string& infoBytes);

// A package made to show one finding of "check": the clean text with one
// edit, or with one of its files overwritten.
struct CheckCase {
    const char* name;
    std::wstring find, replacement;  // edit of the clean text
    int line;                        // 0: the finding has no line
    std::wstring expected;           // part of the finding's text
    unsigned long exitCode;          // 0: warnings at most, 1: errors
    const wchar_t* file = nullptr;   // a package file to overwrite
    std::string fileBytes = std::string();
};
std::ostream& operator<<(std::ostream& os, const CheckCase& c);

const std::vector<CheckCase>& CheckCases();

// Writes the case's package into folder (set.nelcmi and the cursors).
void WriteCheckCase(const CheckCase& c, const std::wstring& folder);

// The clean package saved in the encodings authors use.
struct EncodingCase {
    const char* name;
    std::string bytes;
    std::wstring expected;  // the start of the first line of "check"
    unsigned long exitCode;
};
const std::vector<EncodingCase>& EncodingCases();

} // namespace CmiTest
