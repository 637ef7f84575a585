#include "PackageWriter.h"
#include <windows.h>
#include "NelIni.h"
#include "NelPath.h"
#include "ToolOutput.h"
#include "ToolText.h"

namespace {

bool WriteUtf16File(const std::wstring& path, const std::wstring& text)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::wstring data = L"\xFEFF" + text;
    DWORD bytes = (DWORD)(data.size() * sizeof(wchar_t)), written = 0;
    bool ok = WriteFile(file, data.data(), bytes, &written, nullptr) && written == bytes;
    CloseHandle(file);
    return ok;
}

bool Copy(const std::wstring& from, const std::wstring& to)
{
    SetFileAttributesW(to.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (CopyFileW(from.c_str(), to.c_str(), FALSE))
        return true;
    WriteLine(Text(Msg::InfCopyFailed, from));
    return false;
}

std::wstring ToolFolder()
{
    CNelStrW dir;
    NelGetModuleDir(dir);
    return dir.t() ? dir.t() : L".";
}

} // namespace

std::wstring SafeFileName(const std::wstring& name)
{
    std::wstring out;
    for (wchar_t c : name)
        out += (c < 32 || wcschr(L"\\/:*?\"<>|%", c)) ? L'_' : c;
    while (!out.empty() && (out.back() == L'.' || out.back() == L' '))
        out.pop_back();
    return out.empty() ? L"Cursors" : out;
}

std::wstring PackageInfoText(const PackagePlan& plan)
{
    std::wstring t;
    t += L"[NelvoInfo]\r\nNelCMIFileVer=100\r\n\r\n";
    t += L"[CurInfo]\r\nCurName=" + plan.schemeName + L"\r\nProductName=" + plan.schemeName +
         L"\r\nMutexName=NelCmi_" + plan.baseName + L"\r\n\r\n";
    t += L"[MainDlg]\r\nDN1CurName=" + plan.schemeName + L"\r\n";
    if (!plan.installFolder.empty())
        t += L"DefInstallFolder=" + plan.installFolder + L"\r\n";
    t += L"\r\n[InstallFiles]\r\n";
    for (size_t i = 0; i < plan.files.size(); ++i)
        t += L"File" + std::to_wstring(i) + L"=" + plan.files[i].name + L"\r\n";
    t += L"\r\n[DesignList]\r\n";
    for (const auto& role : plan.roles)
        t += role.first + L"=" + role.second + L"\r\n";
    return t;
}

bool WritePackage(const PackagePlan& plan, const std::wstring& outFolderAsGiven)
{
    // The folder creation takes full paths only; "out" is meant beside the
    // current folder.
    wchar_t full[MAX_PATH * 4];
    DWORD n = GetFullPathNameW(outFolderAsGiven.c_str(), MAX_PATH * 4, full, nullptr);
    const std::wstring outFolder = n > 0 && n < MAX_PATH * 4 ? full : outFolderAsGiven;
    if (!NelIsDirectory(outFolder.c_str()))
        NelCreateDirTree(outFolder.c_str());
    if (!NelIsDirectory(outFolder.c_str())) {
        WriteLine(Text(Msg::InfCannotWrite, outFolder));
        return false;
    }
    bool ok = true;
    std::wstring info = outFolder + L"\\" + plan.baseName + L".nelcmi";
    if (!WriteUtf16File(info, PackageInfoText(plan))) {
        WriteLine(Text(Msg::InfCannotWrite, info));
        ok = false;
    }
    for (const PackageFile& file : plan.files)
        ok = Copy(file.source, outFolder + L"\\" + file.name) && ok;
    std::wstring tool = ToolFolder();
    const std::pair<const wchar_t*, std::wstring> programs[] = {
        {L"TaviCurMiniInst.exe", plan.baseName + L".exe"}, {L"NelWnd.dll", L"NelWnd.dll"}};
    for (const auto& p : programs) {
        std::wstring from = tool + L"\\" + p.first;
        if (!NelFileExists(from.c_str())) {
            WriteLine(Text(Msg::InfNoInstaller, p.first));
            ok = false;
            continue;
        }
        ok = Copy(from, outFolder + L"\\" + p.second) && ok;
    }
    return ok;
}
