#include "GuideFiles.h"
#include "TestFiles.h"
#include "TaviGlobals.h"

namespace Guide {

std::wstring SourceDir() { return NelTest::SourceDir(); }

std::wstring SourcePath(const std::wstring& relative) { return NelTest::SourcePath(relative); }

bool ReadBytes(const std::wstring& path, std::string& bytes)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD size = GetFileSize(h, nullptr);
    bytes.assign(size, '\0');
    DWORD got = 0;
    BOOL ok = size == 0 || ReadFile(h, &bytes[0], size, &got, nullptr);
    CloseHandle(h);
    return ok && got == size;
}

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], n, nullptr,
                        nullptr);
    return out;
}

bool ReadInfoFileAsUtf8(const std::wstring& path, std::string& text)
{
    std::string bytes;
    if (!ReadBytes(path, bytes) || bytes.size() < 2 || bytes.compare(0, 2, "\xFF\xFE") != 0 ||
        bytes.size() % 2 != 0)
        return false;
    std::wstring wide((bytes.size() - 2) / 2, L'\0');
    for (size_t i = 0; i < wide.size(); ++i) {
        wide[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                       (static_cast<unsigned char>(bytes[3 + 2 * i]) << 8));
    }
    std::wstring lf;
    for (size_t i = 0; i < wide.size(); ++i) {
        if (wide[i] == L'\r' && i + 1 < wide.size() && wide[i + 1] == L'\n')
            continue;
        lf += wide[i];
    }
    text = Utf8(lf);
    return true;
}

std::wstring Package::Folder() const
{
    std::wstring file = InfoFile();
    return file.substr(0, file.find_last_of(L'\\'));
}

void PrintTo(const Package& package, std::ostream* os) { *os << Utf8(package.relativeInfoFile); }

const std::vector<Package>& AllPackages()
{
    static const std::vector<Package> packages = {
        {L"docs\\examples\\minimal.nelcmi"},
        {L"docs\\examples\\two-designs.nelcmi"},
        {L"docs\\examples\\macros.nelcmi"},
        {L"samples\\DemoSet\\DemoSet.nelcmi"},
    };
    return packages;
}

const std::vector<std::wstring>& ExampleNames()
{
    static const std::vector<std::wstring> names = {L"minimal.nelcmi", L"two-designs.nelcmi",
                                                    L"macros.nelcmi", L"mistakes.nelcmi"};
    return names;
}

std::vector<NamedBlock> NamedBlocks(const std::string& markdown)
{
    std::vector<NamedBlock> blocks;
    NamedBlock* open = nullptr;
    bool inOther = false;
    size_t pos = 0;
    while (pos < markdown.size()) {
        size_t end = markdown.find('\n', pos);
        std::string line = markdown.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        pos = end == std::string::npos ? markdown.size() : end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        bool fence = line.compare(0, 3, "```") == 0;
        if (open) {
            if (fence && line == "```")
                open = nullptr;
            else
                open->body += line + "\n";
        } else if (inOther) {
            if (fence)
                inOther = false;
        } else if (fence) {
            // "```ini name.nelcmi": the word after the language names the
            // install-info file (other named blocks belong to other tests).
            std::string info = line.substr(3);
            size_t space = info.find(' ');
            const std::string ext = ".nelcmi";
            if (space != std::string::npos && info.size() > ext.size() &&
                info.compare(info.size() - ext.size(), ext.size(), ext) == 0) {
                blocks.push_back({info.substr(space + 1), std::string()});
                open = &blocks.back();
            } else {
                inOther = true;
            }
        }
    }
    return blocks;
}

void UseInfoFile(const std::wstring& path) { g_strInfoFile = path.c_str(); }

} // namespace Guide
