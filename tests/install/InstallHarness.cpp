#include "InstallHarness.h"
#include <algorithm>

using namespace NelTest;

namespace InstallTest {

const wchar_t kUserCursors[] = L"Control Panel\\Cursors";
const wchar_t kUserSchemes[] = L"Control Panel\\Cursors\\Schemes";
const wchar_t kMachineSchemes[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Control Panel\\Cursors\\Schemes";
const wchar_t kErrorCaption[] = L"エラー";
const wchar_t kRoleValueNames[15][12] = {
    L"Arrow",  L"Help",   L"AppStarting", L"Wait",     L"Crosshair", L"IBeam",   L"NWPen", L"No",
    L"SizeNS", L"SizeWE", L"SizeNWSE",    L"SizeNESW", L"SizeAll",   L"UpArrow", L"Hand"};

namespace {
const DWORD kWait = 20000;
}

// ---------------------------------------------------------------------------

InfoFile& InfoFile::Set(const std::wstring& section, const std::wstring& key,
                        const std::wstring& value)
{
    auto sec = std::find_if(m_sections.begin(), m_sections.end(),
                            [&](const Section& s) { return s.name == section; });
    if (sec == m_sections.end()) {
        m_sections.push_back({section, {}});
        sec = m_sections.end() - 1;
    }
    for (auto& kv : sec->keys)
        if (kv.first == key) {
            kv.second = value;
            return *this;
        }
    sec->keys.emplace_back(key, value);
    return *this;
}

InfoFile& InfoFile::Remove(const std::wstring& section, const std::wstring& key)
{
    for (auto& sec : m_sections)
        if (sec.name == section)
            sec.keys.erase(std::remove_if(sec.keys.begin(), sec.keys.end(),
                                          [&](const auto& kv) { return kv.first == key; }),
                           sec.keys.end());
    return *this;
}

std::wstring InfoFile::Text() const
{
    std::wstring text;
    for (const auto& sec : m_sections) {
        text += L"[" + sec.name + L"]\r\n";
        for (const auto& kv : sec.keys)
            text += kv.first + L"=" + kv.second + L"\r\n";
    }
    return text;
}

// ---------------------------------------------------------------------------

std::wstring RegValue::Str() const
{
    std::wstring s(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
    while (!s.empty() && s.back() == L'\0')
        s.pop_back();
    return s;
}

DWORD RegValue::Dword() const
{
    DWORD v = 0;
    if (data.size() >= sizeof(v))
        memcpy(&v, data.data(), sizeof(v));
    return v;
}

RegValue ReadReg(HKEY root, const std::wstring& key, const std::wstring& name)
{
    RegValue v;
    HKEY h;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return v;
    DWORD size = 0;
    if (RegQueryValueExW(h, name.c_str(), nullptr, &v.type, nullptr, &size) == ERROR_SUCCESS) {
        v.data.resize(size);
        v.present = RegQueryValueExW(h, name.c_str(), nullptr, &v.type, v.data.data(), &size) ==
                    ERROR_SUCCESS;
        v.data.resize(size);
    }
    RegCloseKey(h);
    return v;
}

bool KeyExists(HKEY root, const std::wstring& key)
{
    HKEY h;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return false;
    RegCloseKey(h);
    return true;
}

void DeleteKeyTree(HKEY root, const std::wstring& key)
{
    HKEY h;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return;
    std::vector<std::wstring> subkeys;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD len = 256;
        if (RegEnumKeyExW(h, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        subkeys.push_back(name);
    }
    RegCloseKey(h);
    for (const auto& sub : subkeys)
        DeleteKeyTree(root, key + L"\\" + sub);
    RegDeleteKeyW(root, key.c_str());
}

bool WriteRegStr(HKEY root, const std::wstring& key, const std::wstring& name,
                 const std::wstring& value, DWORD type)
{
    HKEY h;
    if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr) !=
        ERROR_SUCCESS)
        return false;
    LONG r = RegSetValueExW(h, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(h);
    return r == ERROR_SUCCESS;
}

VersionOverride::VersionOverride(const std::wstring& exe, const std::wstring& version)
    : key(L"Software\\Wine\\AppDefaults\\" + exe)
{
    WriteRegStr(HKEY_CURRENT_USER, key, L"Version", version);
}

VersionOverride::~VersionOverride()
{
    DeleteKeyTree(HKEY_CURRENT_USER, key);
}

// ---------------------------------------------------------------------------

void Dialog::SetText(int id, const std::wstring& text) const
{
    SendMessageTimeoutW(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
}

void Dialog::SetCheck(bool checked) const
{
    SendMessageTimeoutW(Item(1017), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0,
                        SMTO_ABORTIFHUNG, 5000, nullptr);
}

bool Dialog::Checked() const
{
    DWORD_PTR state = 0;
    SendMessageTimeoutW(Item(1017), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state);
    return state == BST_CHECKED;
}

void Dialog::Focus(int id) const
{
    SendMessageTimeoutW(hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE,
                        SMTO_ABORTIFHUNG, 5000, nullptr);
}

// ---------------------------------------------------------------------------

InstallFixture::InstallFixture()
    : m_userCursors(HKEY_CURRENT_USER, kUserCursors),
      m_userSchemes(HKEY_CURRENT_USER, kUserSchemes),
      m_machineSchemes(HKEY_LOCAL_MACHINE, kMachineSchemes)
{
    CreateDirectoryW(Pkg().c_str(), nullptr);
    WriteBytes(Pkg() + L"\\arrow.cur", "arrow cursor");
    WriteBytes(Pkg() + L"\\busy.ani", "busy animation");
    WriteBytes(Pkg() + L"\\hand.cur", "hand cursor");
}

InstallFixture::~InstallFixture()
{
    // A dialog left open by a failed test is ended before the folder goes.
    m_proc.reset();
}

std::wstring InstallFixture::Unique(const std::wstring& suffix) const
{
    const char* test = testing::UnitTest::GetInstance()->current_test_info()->name();
    std::wstring name = L"NelTest ";
    for (const char* p = test; *p; ++p)
        name += static_cast<wchar_t>(*p);
    return name + L" " + std::to_wstring(GetCurrentProcessId()) + suffix;
}

InfoFile InstallFixture::StandardInfo() const
{
    InfoFile info;
    info.Set(L"CurInfo", L"CurName", L"NelSet")
        .Set(L"CurInfo", L"ProductName", L"NelProduct")
        .Set(L"MainDlg", L"DN1CurName", Unique(L" Normal"))
        .Set(L"MainDlg", L"DN2CurName", Unique(L" Anim"))
        .Set(L"MainDlg", L"DefInstallFolder", Dest())
        .Set(L"InstallFiles", L"File0", L"arrow.cur")
        .Set(L"InstallFiles", L"File1", L"busy.ani")
        .Set(L"InstallFiles", L"File2", L"hand.cur")
        .Set(L"DesignList", L"DN1_Arrow", L"arrow.cur")
        .Set(L"DesignList", L"DN1_Busy", L"busy.ani")
        .Set(L"DesignList", L"DN1_Hand", L"hand.cur")
        .Set(L"DesignList", L"DN2_Arrow", L"busy.ani")
        .Set(L"DesignList", L"DN2_Help", L"hand.cur")
        .Set(L"DesignList", L"DN2_Wait", L"busy.ani")
        .Set(L"DesignList", L"DN2_Up", L"arrow.cur")
        .Set(L"EndDlg", L"Use", L"No");
    return info;
}

void InstallFixture::Prepare(const InfoFile& info)
{
    std::wstring base = m_exeName.substr(0, m_exeName.rfind(L'.'));
    ASSERT_TRUE(WriteUtf16(Pkg() + L"\\" + base + L".nelcmi", info.Text()));
    std::wstring exe = Pkg() + L"\\" + m_exeName;
    if (GetFileAttributesW(exe.c_str()) == INVALID_FILE_ATTRIBUTES) {
        ASSERT_TRUE(CopyFileW(BinFile(L"TaviCurMiniInst.exe").c_str(), exe.c_str(), FALSE))
            << "error " << GetLastError();
    }
}

void InstallFixture::Launch(const std::wstring& args)
{
    m_proc.reset(new ChildProcess);
    ASSERT_TRUE(m_proc->Start(Pkg() + L"\\" + m_exeName, args));
}

void InstallFixture::Start(Dialog& dlg, const std::wstring& args)
{
    dlg.hwnd = nullptr;
    Launch(args);
    dlg.hwnd = WaitForWindow(m_proc->Pid(), L"Orvandel_TaviCurMiniInst", kWait);
    ASSERT_NE(nullptr, dlg.hwnd) << "the main dialog did not appear";
}

Box InstallFixture::WaitBox()
{
    Box box;
    if (!m_proc)
        return box;
    box.hwnd = WaitForWindow(m_proc->Pid(), L"#32770", kWait);
    if (box.hwnd) {
        box.text = MessageBoxText(box.hwnd);
        box.caption = WindowText(box.hwnd);
    }
    return box;
}

void InstallFixture::ExpectBox(const std::wstring& text, const std::wstring& caption, int answer,
                               LPCWSTR icon)
{
    Box box = WaitBox();
    ASSERT_NE(nullptr, box.hwnd) << "no message box appeared; expected "
                                 << testing::PrintToString(text);
    EXPECT_EQ(text, box.text);
    EXPECT_EQ(caption, box.caption);
    const double match = WaitForMessageBoxIcon(box.hwnd, icon, 0.9, 5000);
    EXPECT_GT(match, 0.9) << "icon match " << match;
    if (answer == IDYES || answer == IDNO) {
        EXPECT_NE(nullptr, GetDlgItem(box.hwnd, IDYES)) << "no Yes button";
        EXPECT_NE(nullptr, GetDlgItem(box.hwnd, IDNO)) << "no No button";
    }
    Answer(box, answer);
}

void InstallFixture::Answer(const Box& box, int id)
{
    PostMessageW(box.hwnd, WM_COMMAND, id, 0);
    DWORD start = GetTickCount();
    while (IsWindow(box.hwnd) && GetTickCount() - start < kWait)
        Sleep(20);
    EXPECT_FALSE(IsWindow(box.hwnd)) << "the box did not close";
}

HWND InstallFixture::WaitFocus(const Dialog& dlg, HWND expected)
{
    DWORD tid = GetWindowThreadProcessId(dlg.hwnd, nullptr);
    GUITHREADINFO gti = {};
    gti.cbSize = sizeof(gti);
    DWORD start = GetTickCount();
    do {
        if (GetGUIThreadInfo(tid, &gti) && gti.hwndFocus == expected)
            break;
        Sleep(20);
    } while (GetTickCount() - start < 3000);
    return gti.hwndFocus;
}

bool InstallFixture::WaitEnd() { return m_proc && m_proc->WaitExit(kWait, nullptr); }

bool InstallFixture::WaitEndWithoutBox(std::wstring& boxText)
{
    DWORD start = GetTickCount();
    while (m_proc && GetTickCount() - start < kWait) {
        std::vector<HWND> boxes = TopWindows(m_proc->Pid(), L"#32770");
        if (!boxes.empty()) {
            boxText = WindowText(boxes.front()) + L": " + MessageBoxText(boxes.front());
            return false;
        }
        if (m_proc->WaitExit(50, nullptr))
            return true;
    }
    boxText = L"<still running>";
    return false;
}

void InstallFixture::PressOKAndExpectSilentEnd(const Dialog& dlg)
{
    dlg.PressOK();
    std::wstring box;
    EXPECT_TRUE(WaitEndWithoutBox(box)) << "installation did not end silently: "
                                        << testing::PrintToString(box);
}

bool InstallFixture::PressOKAndApply(const Dialog& dlg)
{
    dlg.PressOK();
    Box box = WaitBox();
    if (!box.hwnd) {
        ADD_FAILURE() << "no completion prompt";
        return false;
    }
    Answer(box, IDYES);
    return WaitEnd();
}

std::vector<std::wstring> InstallFixture::DestFiles(const std::wstring& folder) const
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::wstring name = fd.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    std::sort(names.begin(), names.end());
    return names;
}

std::string InstallFixture::ReadFileBytes(const std::wstring& path) const
{
    std::string bytes;
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return "<missing>";
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(h, buf, sizeof(buf), &got, nullptr) && got)
        bytes.append(buf, got);
    CloseHandle(h);
    return bytes;
}

} // namespace InstallTest
