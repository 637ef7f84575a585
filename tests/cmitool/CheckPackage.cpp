#include "CheckPackage.h"
#include <windows.h>
#include "TestCursorFiles.h"
#include "TestFiles.h"

namespace CmiTest {

std::wstring CleanInfoText()
{
    std::wstring t =
        L"[NelvoInfo]\r\n"
        L"NelCMIFileVer=100\r\n"
        L"[CurInfo]\r\n"
        L"CurName=Clean Set\r\n"
        L"ProductName=Clean Set\r\n"
        L"MutexName=NelCmiToolTest_%CurName%\r\n"
        L"[MainDlg]\r\n"
        L"DN1CurName=Clean Set\r\n"
        L"DefInstallFolder=%WindowsFolder%\\Cursors\\%CurName%\r\n"
        L"InstallFolderKey=HKEY_CURRENT_USER\\Software\\NelCmiToolTest\\Folder\r\n"
        L"Mes=%Greeting% %ab% Save 50% now\r\n"
        L"[InstallFiles]\r\n"
        L"File0=arrow.cur\r\n"
        L"File1=busy.ani\r\n"
        L"[DesignList]\r\n";
    const wchar_t* roles[] = {L"Arrow", L"Help", L"Wait", L"Busy", L"Cross",
                              L"Beam", L"Pen", L"No", L"Size4", L"Size3",
                              L"Size2", L"Size1", L"Move", L"Up", L"Hand"};
    for (const wchar_t* role : roles) {
        bool animated = wcscmp(role, L"Wait") == 0 || wcscmp(role, L"Busy") == 0;
        t += std::wstring(L"DN1_") + role + L"=" + (animated ? L"busy.ani" : L"arrow.cur") + L"\r\n";
    }
    t += L"[Strings]\r\nGreeting=Hello\r\n";
    return t;
}

namespace {

// Texts with a Japanese name, so that UTF-8 and ANSI differ from ASCII.
std::wstring JapaneseText()
{
    return Replace(CleanInfoText(), L"ProductName=Clean Set", L"ProductName=\x30AB\x30FC\x30BD\x30EB");
}

// A directory of two images, the second pointing past the end of the file.
std::string CursorWithDamagedSecondImage()
{
    std::string good = ValidCur();
    std::string image = good.substr(6 + 16);
    std::string b = good.substr(0, 4) + std::string("\2\0", 2) + good.substr(6, 16);
    b[6 + 12] = 38;  // the first image now starts after two entries
    std::string second = good.substr(6, 16);
    second[12] = (char)0xF0;
    second[13] = (char)0xFF;  // offset 0xFFF0: past the end
    return b + second + image;
}

// RIFF "ACON" with its "anih" header and nothing else.
std::string AniWithoutFrameList()
{
    std::string ani = NelTest::AnimatedCursorFile({}, false);
    const size_t header = 12 + 8 + 36;  // RIFF size ACON, anih and its 36 bytes
    ani.resize(header);
    ani[4] = (char)(header - 8);
    ani[5] = ani[6] = ani[7] = 0;
    return ani;
}

std::vector<CheckCase> BuildCheckCases()
{
    return {
        // A slip in a line the installation depends on is an error; in any
        // other line a warning.
        {"SpaceBeforeEquals", L"DN1_Help=", L"DN1_Help =", kLineHelp,
         L"key \"DN1_Help\" has a space before \"=\"", 1},
        {"SpaceBeforeKey", L"DN1_Help=", L" DN1_Help=", kLineHelp,
         L"key \"DN1_Help\" has a space before its name", 1},
        {"KeyInWrongCase", L"DN1_Beam=", L"dn1_beam=", kLineBeam,
         L"\"dn1_beam\" is spelt in the wrong letter case; the installer looks for \"DN1_Beam\"", 1},
        {"SectionInWrongCase", L"[Strings]", L"[strings]", kLineStrings,
         L"section [strings] is spelt in the wrong letter case; the installer looks for [Strings]", 0},
        {"DesignSectionInWrongCase", L"[DesignList]", L"[designlist]", kLineArrow - 1,
         L"section [designlist] is spelt in the wrong letter case", 1},
        {"KeyOnHeaderLine", L"[MainDlg]", L"[MainDlg] DlgTitle=Setup", kLineMainDlg,
         L"key \"DlgTitle\" stands on the header line of [MainDlg]", 0},
        {"DuplicateHidesLaterOne", L"DN1_Help=", L"DN1_Arrow=busy.ani\r\nDN1_Help=", kLineHelp,
         L"key \"DN1_Arrow\" is given again (first on line 16)", 1},
        {"EqualDuplicateIsAWarning", L"DN1_Help=", L"DN1_Arrow=arrow.cur\r\nDN1_Help=", kLineHelp,
         L"key \"DN1_Arrow\" is given again (first on line 16)", 0},
        {"KeyOutsideItsSection", L"Mes=", L"DN1_Arrow=arrow.cur\r\nMes=", kLineMes,
         L"key \"DN1_Arrow\" belongs in [DesignList], not in [MainDlg]", 0},
        {"KeyBeforeAnySection", L"[NelvoInfo]", L"CurName=Early\r\n[NelvoInfo]", 1,
         L"key \"CurName\" stands before any section header", 0},
        {"HeaderWithLeadingSpace", L"[Strings]", L" [Strings]", kLineStrings,
         L"section header [Strings] does not start at the beginning of the line", 0},
        {"FileSectionHeaderWithLeadingSpace", L"[InstallFiles]", L" [InstallFiles]", kLineFile1 - 2,
         L"section header [InstallFiles] does not start at the beginning of the line", 1},
        {"SecondSectionOfSameNameIsNeverRead", L"[Strings]",
         L"[CurInfo]\r\nCompanyName=Late\r\n[Strings]", kLineStrings + 1,
         L"key \"CompanyName\" is not what the installer reads from [CurInfo]", 0},
        {"UnknownKeyCloseToKnownOne", L"DN1_Arrow=", L"DN1_Arow=", kLineArrow,
         L"unknown key \"DN1_Arow\" in [DesignList]; did you mean DN1_Arrow?", 0},
        {"UnknownUninstallKeyCloseToKnownOne", L"[Strings]",
         L"[Uninstall]\r\nUse=Yes\r\nDoneMe=x\r\n[Strings]", kLineStrings + 2,
         L"unknown key \"DoneMe\" in [Uninstall]; did you mean DoneMes?", 0},
        {"ElevationKeyInUninstall", L"[Strings]", L"[Uninstall]\r\nDeclinedMes=x\r\n[Strings]",
         kLineStrings + 1, L"key \"DeclinedMes\" belongs in [Elevation], not in [Uninstall]", 0},
        {"MissingRequiredKey", L"DN1CurName=Clean Set", L"DN1CurName=", kLineDN1CurName,
         L"required key [MainDlg] DN1CurName is missing or empty", 1},
        {"MissingRequiredKeyWithoutLine", L"ProductName=Clean Set\r\n", L"", 0,
         L"required key [CurInfo] ProductName is missing or empty", 1},
        {"GapEndsFileList", L"File1=busy.ani", L"File2=busy.ani", kLineFile1,
         L"File2 is never read: the list ends at File1", 1},
        {"NoFileList", L"File0=arrow.cur\r\nFile1=busy.ani\r\n", L"", 0,
         L"[InstallFiles] has no File0", 1},
        {"FileDoesNotExist", L"File1=busy.ani", L"File1=busy.ani\r\nFile2=gone.cur", kLineFile1 + 1,
         L"File2=gone.cur: the file", 1},
        {"TraversalName", L"File1=busy.ani", L"File1=busy.ani\r\nFile2=..\\up.cur", kLineFile1 + 1,
         L"File2=..\\up.cur: invalid file name", 1},
        {"WildcardName", L"File1=busy.ani", L"File1=busy.ani\r\nFile2=a*.cur", kLineFile1 + 1,
         L"File2=a*.cur: invalid file name", 1},
        {"DesignFileNotInFileList", L"DN1_Pen=arrow.cur", L"DN1_Pen=pen.cur", kLinePen,
         L"DN1_Pen=pen.cur: the file is not listed in [InstallFiles]", 1},
        {"EmptyRoleIsAWarningOnly", L"DN1_No=arrow.cur", L"DN1_No=", kLineNo,
         L"warning: DN1_No is empty: the No pointer stays the system's standard one", 0},
        {"SecondDesignWithoutFiles", L"DN1CurName=Clean Set", L"DN1CurName=Clean Set\r\nDN2CurName=Second Set",
         0, L"design 2 has no file in [DesignList]", 1},
        {"DesignNamesEqualIgnoringCase", L"DN1CurName=Clean Set",
         L"DN1CurName=Clean Set\r\nDN2CurName=clean SET", kLineDN1CurName + 1,
         L"DN1CurName \"Clean Set\" and DN2CurName \"clean SET\" are the same ignoring case", 1},
        {"RelativeDefaultFolder", L"DefInstallFolder=%WindowsFolder%\\Cursors\\%CurName%",
         L"DefInstallFolder=NelCmiRelativeFolder\\%CurName%", kLineDefFolder,
         L"the default folder \"NelCmiRelativeFolder\\Clean Set\" is not a full path", 1},
        {"DefaultFolderWithUnknownMacro", L"DefInstallFolder=%WindowsFolder%\\Cursors\\%CurName%",
         L"DefInstallFolder=%CursorHome%\\%CurName%", kLineDefFolder,
         L"the default folder \"%CursorHome%\\Clean Set\" is not a full path", 1},
        {"DefaultFolderOfSpaces", L"DefInstallFolder=%WindowsFolder%\\Cursors\\%CurName%",
         L"DefInstallFolder=  \" \"", kLineDefFolder,
         L"the default folder is empty after macro expansion", 1},
        {"DefaultFolderWithInvalidCharacter", L"DefInstallFolder=%WindowsFolder%\\Cursors\\%CurName%",
         L"DefInstallFolder=%WindowsFolder%\\Cursors\\a|b", kLineDefFolder, L"cannot be created", 1},
        // Cursor files: the system's loader decides.
        {"ImageThatIsNoBitmap", L"", L"", kLineArrow,
         L"DN1_Arrow=arrow.cur: not a valid .cur or .ani file (no image that the system can load)", 1,
         L"arrow.cur", std::string("\0\0\1\0\1\0", 6) + std::string(64, '\0')},
        {"IconTypedCursorIsAWarning", L"", L"", kLineArrow,
         L"warning: DN1_Arrow=arrow.cur: the file is an icon (type 1); it loads as a cursor", 0,
         L"arrow.cur", NelTest::CursorFile(32, RGB(0x20, 0x40, 0xC0), false, 1)},
        {"OneDamagedImageIsAWarning", L"", L"", kLineArrow,
         L"warning: DN1_Arrow=arrow.cur: 1 of its images are damaged; the others load", 0,
         L"arrow.cur", CursorWithDamagedSecondImage()},
        {"AconWithoutAnih", L"", L"", kLineWait,
         L"DN1_Wait=busy.ani: not a valid .cur or .ani file (ACON without an anih chunk)", 1,
         L"busy.ani", NelTest::AnimatedCursorFile({ValidCur(), ValidCur()}, false, false)},
        // A chunk size of 0xFFFFFFF8 would wrap a 32-bit walk round to itself.
        {"ChunkLongerThanTheFile", L"", L"", kLineWait,
         L"DN1_Wait=busy.ani: not a valid .cur or .ani file (ACON without an anih chunk)", 1,
         L"busy.ani", std::string("RIFF\x18\0\0\0ACONLIST\xF8\xFF\xFF\xFF", 20) + std::string(8, 'x')},
        // The chunk before anih has an odd size and one byte of padding: the
        // walk goes on after the padding, not at the "anih" one byte early
        // (which would be a whole header without a frame list).
        {"OddChunkIsPadded", L"", L"", kLineWait,
         L"DN1_Wait=busy.ani: not a valid .cur or .ani file (ACON without an anih chunk)", 1,
         L"busy.ani", std::string("RIFF\x3b\0\0\0ACONLIST\x03\0\0\0abcanih\x24\0\0\0", 31) + std::string(36, '\0')},
        // Two directory entries announced, not even one in the file.
        {"CursorDirectoryCutShort", L"", L"", kLineArrow,
         L"DN1_Arrow=arrow.cur: not a valid .cur or .ani file (too short)", 1, L"arrow.cur",
         std::string("\0\0\2\0\2\0", 6) + std::string(20, '\0')},
        // The installer's reader drops a CR at the start of a value: it reads
        // what the author meant, so only a warning.
        {"ValueReadDifferently", L"DN1_Help=", L"DN1_Help=\r", kLineHelp,
         L"warning: key \"DN1_Help\" is not what the installer reads from [DesignList]", 0},
        {"AconWithoutFrameList", L"", L"", kLineWait,
         L"DN1_Wait=busy.ani: not a valid .cur or .ani file (ACON without a frame list)", 1,
         L"busy.ani", AniWithoutFrameList()},
        {"EmptyFrameListIsAWarning", L"", L"", kLineWait,
         L"warning: DN1_Wait=busy.ani: the animated cursor's frame list is empty", 0,
         L"busy.ani", NelTest::AnimatedCursorFile({}, false)},
        {"RiffThatIsNotAcon", L"", L"", kLineWait,
         L"DN1_Wait=busy.ani: not a valid .cur or .ani file (RIFF file that is not ACON)", 1,
         L"busy.ani", std::string("RIFF\x04\0\0\0WAVE", 12)},
        {"FileVersionAbove100", L"NelCMIFileVer=100", L"NelCMIFileVer=101", kLineVersion,
         L"NelCMIFileVer 101 (1.01) is above 1.00", 1},
        {"MacroStaysUnexpanded", L"Mes=%Greeting%", L"Mes=%Greting%", kLineMes,
         L"warning: [MainDlg] Mes: %Greting% stays unexpanded", 0},
        {"RegistryPathWithShortRoot", L"HKEY_CURRENT_USER\\", L"HKCU\\", kLineFolderKey,
         L"[MainDlg] InstallFolderKey: \"HKCU\\Software\\NelCmiToolTest\\Folder\" has an unknown "
         L"registry root",
         0},
    };
}

} // namespace

std::ostream& operator<<(std::ostream& os, const CheckCase& c)
{
    return os << c.name;
}

const std::vector<CheckCase>& CheckCases()
{
    static const std::vector<CheckCase> cases = BuildCheckCases();
    return cases;
}

void WriteCheckCase(const CheckCase& c, const std::wstring& folder)
{
    std::wstring text = CleanInfoText();
    if (!c.find.empty())
        text = Replace(text, c.find, c.replacement);
    WritePackage(folder, Utf16Le(text, true));
    if (c.file)
        NelTest::WriteBytes(folder + L"\\" + c.file, c.fileBytes);
}

const std::vector<EncodingCase>& EncodingCases()
{
    static const std::vector<EncodingCase> cases = {
        {"utf8-bom", Utf8(JapaneseText(), true), L"the file is UTF-8 with a byte-order mark", 1},
        {"utf8", Utf8(JapaneseText(), false), L"the file is UTF-8 without a byte-order mark", 1},
        {"ansi", CodePage(JapaneseText(), 932), L"the file is ANSI", 1},
        {"ascii", CodePage(CleanInfoText(), 1252), L"the file is ANSI", 1},
        {"utf16be", Utf16Be(JapaneseText()), L"the file is UTF-16 big-endian", 1},
        {"utf16le-nobom", Utf16Le(JapaneseText(), false),
         L"warning: the file is UTF-16LE without a byte-order mark", 0},
    };
    return cases;
}

std::wstring Replace(const std::wstring& text, const std::wstring& find,
                     const std::wstring& replacement)
{
    std::wstring out = text;
    size_t at = out.find(find);
    if (at != std::wstring::npos)
        out.replace(at, find.size(), replacement);
    return out;
}

std::string ValidCur()
{
    return NelTest::CursorFile(32, RGB(0x20, 0x40, 0xC0));
}

std::string ValidAni()
{
    return NelTest::AnimatedCursorFile(
        {NelTest::CursorFile(32, RGB(0xC0, 0x20, 0x20)), NelTest::CursorFile(32, RGB(0x20, 0xC0, 0x20))},
        false);
}

std::string Utf16Le(const std::wstring& text, bool bom)
{
    std::string b = bom ? std::string("\xFF\xFE", 2) : std::string();
    return b + std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}

std::string Utf16Be(const std::wstring& text)
{
    std::string b("\xFE\xFF", 2);
    for (wchar_t c : text) {
        b += (char)(c >> 8);
        b += (char)(c & 0xFF);
    }
    return b;
}

std::string CodePage(const std::wstring& text, unsigned codePage)
{
    int n = WideCharToMultiByte(codePage, 0, text.data(), (int)text.size(), nullptr, 0, nullptr,
                                nullptr);
    std::string b(n, '\0');
    if (n > 0)
        WideCharToMultiByte(codePage, 0, text.data(), (int)text.size(), &b[0], n, nullptr,
                            nullptr);
    return b;
}

std::string Utf8(const std::wstring& text, bool bom)
{
    return (bom ? std::string("\xEF\xBB\xBF") : std::string()) + CodePage(text, CP_UTF8);
}

void WritePackage(const std::wstring& folder, const std::string& infoBytes)
{
    CreateDirectoryW(folder.c_str(), nullptr);
    NelTest::WriteBytes(folder + L"\\set.nelcmi", infoBytes);
    NelTest::WriteBytes(folder + L"\\arrow.cur", ValidCur());
    NelTest::WriteBytes(folder + L"\\busy.ani", ValidAni());
}

} // namespace CmiTest
