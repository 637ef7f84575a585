#include "ToolRun.h"
#include <windows.h>
#include "ProcessDriver.h"
#include "TestFiles.h"

namespace CmiTest {

std::wstring FromUtf8(const std::string& bytes)
{
    int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), (int)bytes.size(), nullptr, 0);
    std::wstring text(n, L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, bytes.data(), (int)bytes.size(), &text[0], n);
    return text;
}

std::string ReadAllBytes(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    DWORD size = GetFileSize(file, nullptr), read = 0;
    std::string bytes(size == INVALID_FILE_SIZE ? 0 : size, '\0');
    if (!bytes.empty() && !ReadFile(file, &bytes[0], size, &read, nullptr))
        bytes.clear();
    CloseHandle(file);
    return bytes;
}

std::wstring Quote(const std::wstring& arg)
{
    return L"\"" + arg + L"\"";
}

std::vector<std::wstring> ToolResult::Lines() const
{
    std::vector<std::wstring> lines;
    for (size_t start = 0; start < output.size();) {
        size_t end = output.find(L"\r\n", start);
        if (end == std::wstring::npos)
            end = output.size();
        lines.push_back(output.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::wstring ToolResult::Find(const std::wstring& prefix, const std::wstring& part) const
{
    for (const std::wstring& line : Lines())
        if (line.compare(0, prefix.size(), prefix) == 0 && line.find(part) != std::wstring::npos)
            return line;
    return std::wstring();
}

ToolResult RunTool(const std::wstring& args, const std::wstring& cwd)
{
    ToolResult result;
    NelTest::TempDir dir;
    std::wstring outPath = dir / L"stdout.txt";
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE};
    HANDLE out = CreateFileW(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) {
        result.startError = GetLastError();
        return result;
    }
    std::wstring exe = NelTest::BinFile(L"NelCmiTool.exe");
    std::wstring cmd = Quote(exe) + L" " + args;
    std::vector<wchar_t> line(cmd.begin(), cmd.end());
    line.push_back(0);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = out;
    si.hStdError = out;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi = {};
    const DWORD start = GetTickCount();
    BOOL started = CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, TRUE,
                                  CREATE_NO_WINDOW, nullptr, cwd.empty() ? nullptr : cwd.c_str(),
                                  &si, &pi);
    if (!started)
        result.startError = GetLastError();
    CloseHandle(out);
    if (!started)
        return result;
    if (WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0) {
        result.finished = true;
        GetExitCodeProcess(pi.hProcess, &result.exitCode);
    } else {
        TerminateProcess(pi.hProcess, 255);
        WaitForSingleObject(pi.hProcess, 5000);
    }
    result.elapsedMs = GetTickCount() - start;
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    result.output = FromUtf8(ReadAllBytes(outPath));
    return result;
}

} // namespace CmiTest
