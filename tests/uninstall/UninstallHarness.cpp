#include "UninstallHarness.h"
#include <algorithm>
#include "resource.h"

using namespace NelTest;

namespace UninstallTest {

const wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const wchar_t kCaption[] = L"NelProduct のアンインストール";
const wchar_t kQuestion[] =
    L"NelProduct をアンインストールします。\nカーソル ファイルと、コントロール パネルへの登録を削除します。\n"
    L"よろしいですか？";
const wchar_t kDone[] = L"NelProduct をアンインストールしました。";
const wchar_t kRoleNames[17][12] = {
    L"Arrow",  L"Help",   L"AppStarting", L"Wait",     L"Crosshair", L"IBeam",   L"NWPen",
    L"No",     L"SizeNS", L"SizeWE",      L"SizeNWSE", L"SizeNESW",  L"SizeAll", L"UpArrow",
    L"Hand",   L"Pin",    L"Person"};

namespace {

const wchar_t kOtherScheme[] = L"NelTest other set";
const std::wstring kOtherProgram = std::wstring(kUninstallKey) + L"\\NelTest other program";
const DWORD kSettleMs = 20000;

} // namespace

std::wstring Change(const wchar_t* kind, const std::wstring& path)
{
    return std::wstring(kind) + L" " + Robust::Upper(path);
}

UninstallFixture::UninstallFixture()
    : m_userProgram(HKEY_CURRENT_USER, kOtherProgram), m_machineProgram(HKEY_LOCAL_MACHINE, kOtherProgram)
{
}

void UninstallFixture::BeginCase(const std::wstring& tag)
{
    m_case = tag;
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        WriteRegStr(root, kOtherProgram, L"DisplayName", L"NelTest other program");
    DeleteKeyTree(HKEY_CURRENT_USER, RecordKey());
    DeleteKeyTree(HKEY_LOCAL_MACHINE, RecordKey());
    WriteRegStr(HKEY_CURRENT_USER, kUserSchemes, kOtherScheme, L"C:\\other\\arrow.cur", REG_EXPAND_SZ);
    WriteRegStr(HKEY_LOCAL_MACHINE, kMachineSchemes, kOtherScheme, L"C:\\other\\arrow.cur");
    for (const wchar_t* role : kRoleNames)
        WriteRegStr(HKEY_CURRENT_USER, kUserCursors, role, std::wstring(L"C:\\other\\") + role + L".cur",
                    REG_EXPAND_SZ);
    WriteRegStr(HKEY_CURRENT_USER, kUserCursors, L"", kOtherScheme);
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kUserCursors, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        const DWORD source = 0;
        RegSetValueExW(key, L"Scheme Source", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&source),
                       sizeof(source));
        RegCloseKey(key);
    }
}

UninstallFixture::~UninstallFixture()
{
    m_proc.reset();
    DeleteKeyTree(HKEY_CURRENT_USER, RecordKey());
    DeleteKeyTree(HKEY_LOCAL_MACHINE, RecordKey());
}

std::wstring UninstallFixture::RecordKey() const
{
    return std::wstring(kUninstallKey) + L"\\TaviCurMiniInst_" + SetName();
}

InfoFile UninstallFixture::UninstallInfo(bool twoDesigns) const
{
    InfoFile info = StandardInfo();
    info.Set(L"CurInfo", L"CurName", SetName())
        .Set(L"MainDlg", L"DN1CurName", SetName() + L" Normal")
        .Set(L"MainDlg", L"DN2CurName", SetName() + L" Anim")
        .Set(L"Uninstall", L"Use", L"Yes")
        .Remove(L"EndDlg", L"Use");
    if (!twoDesigns) {
        info.Remove(L"MainDlg", L"DN2CurName");
        for (const wchar_t* key : {L"DN2_Arrow", L"DN2_Help", L"DN2_Wait", L"DN2_Up"})
            info.Remove(L"DesignList", key);
    }
    return info;
}

void UninstallFixture::UseLibrary(bool beside)
{
    const std::wstring library = Pkg() + L"\\NelWnd.dll";
    if (beside)
        EXPECT_TRUE(CopyFileW(BinFile(L"NelWnd.dll").c_str(), library.c_str(), FALSE));
    else
        DeleteFileW(library.c_str());
}

void UninstallFixture::Install(bool allUsers, bool apply)
{
    Dialog dlg;
    Start(dlg);
    ASSERT_NE(nullptr, dlg.hwnd);
    m_name1 = dlg.Text(IDC_DESIGN_NAME1);
    m_name2 = IsWindowVisible(dlg.Item(IDC_DESIGN_NAME2)) ? dlg.Text(IDC_DESIGN_NAME2) : L"";
    dlg.SetCheck(allUsers);
    dlg.PressOK();
    Box box = WaitBox();
    ASSERT_NE(nullptr, box.hwnd) << "no completion question";
    HWND button = apply ? FindButtonWithWord(box.hwnd, {L"はい", L"Yes"})
                        : FindButtonWithWord(box.hwnd, {L"いいえ", L"No"});
    ASSERT_NE(nullptr, button) << "no Yes or No button";
    PostMessageW(box.hwnd, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    ASSERT_TRUE(WaitEnd());
}

void UninstallFixture::StartUninstall(bool machine, bool quiet)
{
    RegValue command = ReadReg(machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, RecordKey(),
                               quiet ? L"QuietUninstallString" : L"UninstallString");
    const std::wstring line = command.Str();
    const size_t close = line.find(L'"', 1);
    ASSERT_TRUE(line.size() > 2 && line[0] == L'"' && close != std::wstring::npos)
        << "no quoted program in " << testing::PrintToString(line);
    m_proc.reset(new ChildProcess);
    ASSERT_TRUE(m_proc->Start(line.substr(1, close - 1), line.substr(std::min(line.size(), close + 2))));
}

void UninstallFixture::AnswerUninstall(const std::wstring& closing, LPCWSTR icon,
                                       const std::wstring& question, const std::wstring& caption)
{
    ExpectBox(question, caption, IDYES, IDI_QUESTION);
    ExpectBox(closing, caption, IDOK, icon);
    DWORD code = 99;
    EXPECT_TRUE(m_proc->WaitExit(20000, &code));
}

std::vector<std::wstring> UninstallFixture::WaitForChanges(const Robust::Snapshot& before,
                                                           std::vector<std::wstring>& expected)
{
    std::sort(expected.begin(), expected.end());
    std::vector<std::wstring> changes;
    for (DWORD start = GetTickCount(); GetTickCount() - start < kSettleMs; Sleep(250)) {
        changes = Robust::Changes(before, Robust::TakeSnapshot(), {});
        std::sort(changes.begin(), changes.end());
        if (changes == expected)
            break;
    }
    return changes;
}

} // namespace UninstallTest
