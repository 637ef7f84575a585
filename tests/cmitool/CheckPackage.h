// Packages for "check": a clean install-info text whose every line is
// known, valid cursor files, and writers for the encodings authors use.
#pragma once
#include <string>

namespace CmiTest {

// Line numbers of the clean text, for the expectations.
enum CleanLine {
    kLineVersion = 2,
    kLineCurName = 4,
    kLineMainDlg = 7,
    kLineDN1CurName = 8,
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

std::string ValidCur();
std::string ValidAni();

std::string Utf16Le(const std::wstring& text, bool bom);
std::string Utf16Be(const std::wstring& text);
std::string Utf8(const std::wstring& text, bool bom);
std::string CodePage(const std::wstring& text, unsigned codePage);

// Writes folder\set.nelcmi with infoBytes, arrow.cur and busy.ani.
void WritePackage(const std::wstring& folder, const std::string& infoBytes);

} // namespace CmiTest
