#include "ProcessDriver.h"
#include "TestDib.h"
#include "TestFiles.h"

namespace NelTest {

ChildProcess::~ChildProcess()
{
    if (!m_pi.hProcess)
        return;
    if (Running()) {
        TerminateProcess(m_pi.hProcess, 255);
        WaitForSingleObject(m_pi.hProcess, 5000);
    }
    CloseHandle(m_pi.hProcess);
    CloseHandle(m_pi.hThread);
}

bool ChildProcess::Start(const std::wstring& exe, const std::wstring& args)
{
    std::wstring cmd = L"\"" + exe + L"\"";
    if (!args.empty())
        cmd += L" " + args;
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    std::vector<wchar_t> line(cmd.begin(), cmd.end());
    line.push_back(0);
    return CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &si, &m_pi) != FALSE;
}

bool RunAndReadOutput(const std::wstring& exe, const std::wstring& args, DWORD timeoutMs,
                      std::string& output)
{
    output.clear();
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    if (!CreatePipe(&read, &write, &inherit, 0))
        return false;
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    std::wstring cmd = L"\"" + exe + L"\" " + args;
    std::vector<wchar_t> line(cmd.begin(), cmd.end());
    line.push_back(0);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = write;
    PROCESS_INFORMATION pi = {};
    const bool started = CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi) != FALSE;
    CloseHandle(write);  // the child's copy is the only writer left
    bool ended = false;
    for (DWORD start = GetTickCount(); started && GetTickCount() - start < timeoutMs;) {
        DWORD available = 0;
        if (!PeekNamedPipe(read, nullptr, 0, nullptr, &available, nullptr)) {
            ended = WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0;
            break;  // the child has closed its end
        }
        if (!available) {
            Sleep(20);
            continue;
        }
        std::string chunk(available, '\0');
        DWORD got = 0;
        if (ReadFile(read, &chunk[0], available, &got, nullptr))
            output.append(chunk, 0, got);
    }
    CloseHandle(read);
    if (started) {
        if (!ended)
            TerminateProcess(pi.hProcess, 255);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    return ended;
}

bool ChildProcess::WaitExit(DWORD timeoutMs, DWORD* exitCode)
{
    if (WaitForSingleObject(m_pi.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (exitCode)
        GetExitCodeProcess(m_pi.hProcess, exitCode);
    return true;
}

bool ChildProcess::Running() const
{
    return m_pi.hProcess && WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT;
}

namespace {

struct FindData {
    DWORD pid;
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopWindow(HWND hwnd, LPARAM param)
{
    FindData* data = reinterpret_cast<FindData*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if ((data->pid && pid != data->pid) || !IsWindowVisible(hwnd))
        return TRUE;
    if (data->className) {
        wchar_t cls[256] = {};
        GetClassNameW(hwnd, cls, 256);
        if (lstrcmpiW(cls, data->className) != 0)
            return TRUE;
    }
    data->found.push_back(hwnd);
    return TRUE;
}

} // namespace

std::vector<HWND> TopWindows(DWORD pid, const wchar_t* className)
{
    FindData data = {pid, className, {}};
    EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&data));
    return data.found;
}

HWND WaitForWindow(DWORD pid, const wchar_t* className, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    do {
        std::vector<HWND> found = TopWindows(pid, className);
        if (!found.empty())
            return found.front();
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

std::wstring WindowText(HWND hwnd)
{
    wchar_t buf[2048] = {};
    // WM_GETTEXT works across processes; GetWindowText would not read a
    // control of another process.
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(buf),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    return buf;
}

namespace {

std::wstring WithoutMnemonic(std::wstring text)
{
    for (size_t at; (at = text.find(L'&')) != std::wstring::npos;)
        text.erase(at, 1);
    return text;
}

struct ButtonSearch {
    const wchar_t* word;
    HWND found;
};

BOOL CALLBACK FindButtonByWord(HWND child, LPARAM param)
{
    ButtonSearch* search = reinterpret_cast<ButtonSearch*>(param);
    wchar_t cls[32] = {};
    GetClassNameW(child, cls, 32);
    if (lstrcmpiW(cls, L"Button") != 0 || !IsWindowVisible(child))
        return TRUE;
    if (WithoutMnemonic(WindowText(child)).find(search->word) != std::wstring::npos) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectStatic(HWND child, LPARAM param)
{
    wchar_t cls[32] = {};
    GetClassNameW(child, cls, 32);
    if (lstrcmpiW(cls, L"Static") == 0 && IsWindowVisible(child)) {
        std::wstring text = WindowText(child);
        if (!text.empty())
            reinterpret_cast<std::vector<std::wstring>*>(param)->push_back(text);
    }
    return TRUE;
}

} // namespace

std::vector<std::wstring> VisibleStaticTexts(HWND window)
{
    std::vector<std::wstring> texts;
    EnumChildWindows(window, CollectStatic, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

HWND FindButtonWithWord(HWND box, std::initializer_list<const wchar_t*> words)
{
    for (const wchar_t* word : words) {
        ButtonSearch search = {word, nullptr};
        EnumChildWindows(box, FindButtonByWord, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
    }
    return nullptr;
}

std::wstring MessageBoxText(HWND box)
{
    HWND text = GetDlgItem(box, 0xFFFF);
    return text ? WindowText(text) : std::wstring();
}

namespace {

BOOL CALLBACK FindIconStatic(HWND child, LPARAM param)
{
    wchar_t cls[32] = {};
    GetClassNameW(child, cls, 32);
    LONG style = GetWindowLongW(child, GWL_STYLE);
    if (lstrcmpiW(cls, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) {
        *reinterpret_cast<HWND*>(param) = child;
        return FALSE;
    }
    return TRUE;
}

} // namespace

double MessageBoxIconMatch(HWND box, LPCWSTR systemIcon)
{
    HWND iconCtl = nullptr;
    EnumChildWindows(box, FindIconStatic, reinterpret_cast<LPARAM>(&iconCtl));
    if (!iconCtl)
        return 0.0;
    const int w = GetSystemMetrics(SM_CXICON), h = GetSystemMetrics(SM_CYICON);
    RECT rc;
    GetWindowRect(iconCtl, &rc);

    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    DWORD* shot = nullptr;
    DWORD* expect = nullptr;
    HBITMAP shotBmp = CreateTopDownDib32(w, h, &shot);
    HBITMAP expectBmp = CreateTopDownDib32(w, h, &expect);

    HGDIOBJ old = SelectObject(mem, shotBmp);
    BitBlt(mem, 0, 0, w, h, screen, rc.left, rc.top, SRCCOPY);
    GdiFlush();
    // Expected: the icon drawn on the box's background, taken from the
    // captured corner (icon corners are transparent).
    const DWORD background = shot[0] & 0xFFFFFF;
    SelectObject(mem, expectBmp);
    GdiFlush();
    for (int i = 0; i < w * h; ++i)
        expect[i] = background;
    HICON icon = LoadIconW(nullptr, systemIcon);
    DrawIconEx(mem, 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
    GdiFlush();

    // Only the pixels the icon paints count.
    int covered = 0, equal = 0;
    for (int i = 0; i < w * h; ++i) {
        if ((expect[i] & 0xFFFFFF) == background)
            continue;
        ++covered;
        if ((shot[i] & 0xFFFFFF) == (expect[i] & 0xFFFFFF))
            ++equal;
    }
    SelectObject(mem, old);
    DeleteObject(shotBmp);
    DeleteObject(expectBmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return covered ? static_cast<double>(equal) / covered : 0.0;
}

double WaitForMessageBoxIcon(HWND box, LPCWSTR systemIcon, double threshold, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    double match = MessageBoxIconMatch(box, systemIcon);
    while (match <= threshold && GetTickCount() - start < timeoutMs) {
        Sleep(100);
        match = MessageBoxIconMatch(box, systemIcon);
    }
    return match;
}

std::wstring BinFile(const std::wstring& name) { return ExeDir() + L"\\" + name; }

} // namespace NelTest
