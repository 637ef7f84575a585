#include "CheckPackage.h"
#include <windows.h>
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
    // Directory: reserved 0, type 2 (cursor), one entry of 16 bytes.
    std::string b("\0\0\2\0\1\0", 6);
    b += std::string("\x20\x20\0\0\1\0\1\0\x30\0\0\0\x16\0\0\0", 16);
    b += std::string(0x30, '\0');
    return b;
}

std::string ValidAni()
{
    std::string anih("anih\x24\0\0\0", 8);
    anih += std::string("\x24", 1) + std::string(35, '\0');
    std::string body = "ACON" + anih;
    std::string b = "RIFF";
    DWORD size = (DWORD)body.size();
    b.append(reinterpret_cast<const char*>(&size), 4);
    return b + body;
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
