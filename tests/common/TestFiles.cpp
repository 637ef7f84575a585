#include "TestFiles.h"
#include <cstdlib>

namespace NelTest {

TempDir::TempDir()
{
    wchar_t base[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, base);
    static LONG counter = 0;
    wchar_t name[64];
    wsprintfW(name, L"neltest_%lu_%lu_%ld", GetCurrentProcessId(), GetTickCount(),
              InterlockedIncrement(&counter));
    m_path = std::wstring(base) + name;
    CreateDirectoryW(m_path.c_str(), nullptr);
}

TempDir::~TempDir() { RemoveTree(m_path); }

bool WriteBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = bytes.empty() ||
              WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    return ok && written == bytes.size();
}

bool WriteUtf16(const std::wstring& path, const std::wstring& text, bool bom)
{
    std::string bytes;
    if (bom)
        bytes.append("\xFF\xFE", 2);
    bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    return WriteBytes(path, bytes);
}

void RemoveTree(const std::wstring& path)
{
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((path + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring full = path + L"\\" + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileW(full.c_str());
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(path.c_str());
}

std::wstring ExeDir()
{
    wchar_t buf[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, buf, MAX_PATH);
    std::wstring p = buf;
    return p.substr(0, p.find_last_of(L'\\'));
}

std::wstring SourceDir()
{
    const wchar_t* env = _wgetenv(L"NEL_SOURCE_DIR");
    std::wstring dir = env ? env : L"";
    for (wchar_t& c : dir) {
        if (c == L'/')
            c = L'\\';
    }
    while (!dir.empty() && dir.back() == L'\\')
        dir.pop_back();
    return dir;
}

std::wstring SourcePath(const std::wstring& relative)
{
    std::wstring path = SourceDir() + L"\\" + relative;
    for (wchar_t& c : path) {
        if (c == L'/')
            c = L'\\';
    }
    return path;
}

const wchar_t* const kAuthorGuides[2] = {L"docs\\author-guide.en.md", L"docs\\author-guide.ja.md"};

std::string GuideLanguage(const wchar_t* guide)
{
    return std::wstring(guide).find(L".ja.") != std::wstring::npos ? "Japanese" : "English";
}

} // namespace NelTest
