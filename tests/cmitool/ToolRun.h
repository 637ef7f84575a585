// Runs NelCmiTool.exe as a process with its stdout redirected to a file
// and returns what it printed (decoded from UTF-8) and its exit code.
#pragma once
#include <string>
#include <vector>

namespace CmiTest {

struct ToolResult {
    bool finished = false;  // ended within the time limit
    unsigned long exitCode = 0;
    unsigned long startError = 0;  // the system's error when it could not be started
    unsigned long elapsedMs = 0;   // from the start to the end, or to giving up
    std::wstring output;    // CRLF line ends as printed
    std::vector<std::wstring> Lines() const;
    // The first line that starts with prefix and contains part; empty if none.
    std::wstring Find(const std::wstring& prefix, const std::wstring& part) const;
};

// Runs NelCmiTool.exe with args, in the folder cwd (empty: this program's).
ToolResult RunTool(const std::wstring& args, const std::wstring& cwd = L"");

// Quotes one command-line argument.
std::wstring Quote(const std::wstring& arg);

std::wstring FromUtf8(const std::string& bytes);
std::string ReadAllBytes(const std::wstring& path);

} // namespace CmiTest
