// The promise of "check": it reports no error exactly when the installer
// installs the package as its author wrote it. For every package of the
// tool's test set (each finding's package, each encoding, each converted
// corpus inf) check is run, then the real installer through OK, and the
// result is judged from the package's lines read as a person reads them.
#include <gtest/gtest.h>
#include <windows.h>
#include <functional>
#include "AuthorIntent.h"
#include "CheckPackage.h"
#include "InfSamples.h"
#include "ProcessDriver.h"
#include "SchemeInstall.h"
#include "TestFiles.h"
#include "ToolRun.h"

using namespace CmiTest;

namespace {

std::string P(const std::wstring& s)
{
    return testing::PrintToString(s);
}

struct PackageCase {
    std::string name;
    // Lays the package out in folder; returns its installer's path.
    std::function<std::wstring(const std::wstring& folder)> make;
};

std::ostream& operator<<(std::ostream& os, const PackageCase& c)
{
    return os << c.name;
}

std::wstring AddInstaller(const std::wstring& folder)
{
    std::wstring exe = folder + L"\\set.exe";
    CopyFileW(NelTest::BinFile(L"TaviCurMiniInst.exe").c_str(), exe.c_str(), FALSE);
    CopyFileW(NelTest::BinFile(L"NelWnd.dll").c_str(), (folder + L"\\NelWnd.dll").c_str(), FALSE);
    return exe;
}

std::vector<PackageCase> BuildCases()
{
    std::vector<PackageCase> cases;
    cases.push_back({"Clean", [](const std::wstring& folder) {
                         WritePackage(folder, Utf16Le(CleanInfoText(), true));
                         return AddInstaller(folder);
                     }});
    for (const CheckCase& c : CheckCases())
        cases.push_back({std::string("Finding_") + c.name, [&c](const std::wstring& folder) {
                             WriteCheckCase(c, folder);
                             return AddInstaller(folder);
                         }});
    for (const EncodingCase& c : EncodingCases())
        cases.push_back({std::string("Encoding_") + c.name, [&c](const std::wstring& folder) {
                             WritePackage(folder, c.bytes);
                             return AddInstaller(folder);
                         }});
    for (const InfSample& s : InfSamples())
        cases.push_back({"Corpus_" + SampleId(s), [&s](const std::wstring& folder) {
                             std::wstring src = folder + L"\\src", out = folder + L"\\out";
                             CreateDirectoryW(src.c_str(), nullptr);
                             std::wstring inf = WriteInfSample(s, src);
                             RunTool(FromInfArgs(s, inf, out));
                             return out + L"\\" + s.scheme + L".exe";
                         }});
    return cases;
}

const std::vector<PackageCase>& Cases()
{
    static const std::vector<PackageCase> cases = BuildCases();
    return cases;
}

std::wstring Trim(const std::wstring& s, const wchar_t* chars)
{
    size_t b = s.find_first_not_of(chars);
    if (b == std::wstring::npos)
        return std::wstring();
    return s.substr(b, s.find_last_not_of(chars) - b + 1);
}

// A drive letter with ":\" or "\\server\share".
bool IsFullPath(const std::wstring& p)
{
    if (p.size() >= 3 && iswalpha(p[0]) && p[1] == L':' && p[2] == L'\\')
        return true;
    size_t share = p.size() > 2 && p[0] == L'\\' && p[1] == L'\\' ? p.find(L'\\', 2) : std::wstring::npos;
    return share != std::wstring::npos && share > 2 && share + 1 < p.size();
}

bool SameText(const std::wstring& a, const std::wstring& b)
{
    return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), (int)a.size(), b.c_str(),
                          (int)b.size()) == CSTR_EQUAL;
}

bool Loads(const std::wstring& path)
{
    HCURSOR cursor = LoadCursorFromFileW(path.c_str());
    if (cursor)
        DestroyCursor(cursor);
    return cursor != nullptr;
}

// Whether the run installed what the author wrote; why not in reason.
bool InstalledAsWritten(const InstallerRun& run, const AuthorIntent& intent,
                        const std::wstring& packageFolder, std::wstring& reason)
{
    if (!run.dialog || run.errorBox || !run.ended) {
        reason = L"the installer refused or stopped: " + run.log;
        return false;
    }
    if (!intent.clear) {
        reason = L"the package says two things for one key";
        return false;
    }
    std::wstring folder = Trim(run.folder, L" \"");
    if (!IsFullPath(folder)) {
        reason = L"installed into a folder that is no full path: " + folder;
        return false;
    }
    folder = Trim(folder, L"\\");
    for (const std::wstring& file : intent.files) {
        std::string want = ReadAllBytes(packageFolder + L"\\" + file);
        if (want.empty() || ReadAllBytes(folder + L"\\" + file) != want) {
            reason = L"the listed file " + file + L" was not installed";
            return false;
        }
    }
    const std::wstring* names[2] = {&run.name1, &run.name2};
    for (int d = 0; d < 2 && !names[d]->empty(); ++d) {
        SchemeValue scheme = ReadScheme(*names[d]);
        if (!scheme.present) {
            reason = L"no scheme " + *names[d];
            return false;
        }
        const std::wstring* roles = intent.roles[d];
        std::vector<std::wstring> fields = SplitFields(ExpandEnv(scheme.text));
        size_t count = roles[15].empty() && roles[16].empty() ? 15 : 17;
        if (fields.size() != count) {
            reason = L"scheme " + *names[d] + L" has " + std::to_wstring(fields.size()) + L" fields";
            return false;
        }
        int named = 0;
        for (size_t i = 0; i < count; ++i) {
            std::wstring want = roles[i].empty() ? L"" : folder + L"\\" + roles[i];
            if (!SameText(want, fields[i])) {
                reason = L"field " + std::to_wstring(i + 1) + L" is " + fields[i] + L", the package says " + want;
                return false;
            }
            if (want.empty())
                continue;
            ++named;
            if (!Loads(want)) {
                reason = L"field " + std::to_wstring(i + 1) + L": the system does not load " + want;
                return false;
            }
        }
        if (named == 0) {
            reason = L"scheme " + *names[d] + L" names no pointer";
            return false;
        }
    }
    return true;
}

void Clean(const InstallerRun& run)
{
    for (const std::wstring* name : {&run.name1, &run.name2})
        if (!name->empty())
            DeleteScheme(*name);
    std::wstring folder = Trim(run.folder, L" \"");
    // A relative folder lies in this program's current folder: its first
    // part goes.
    if (!folder.empty())
        NelTest::RemoveTree(IsFullPath(folder) ? folder : folder.substr(0, folder.find(L'\\')));
}

class CheckVsInstall : public testing::TestWithParam<PackageCase> {};

TEST_P(CheckVsInstall, CheckReportsNoErrorExactlyWhenTheInstallationSucceeds)
{
    RegValuesGuard cursors(HKEY_CURRENT_USER, kCursorsKey), schemes(HKEY_CURRENT_USER, kSchemesKey);
    NelTest::TempDir dir;
    std::wstring exe = GetParam().make(dir.Path());
    std::wstring info = exe.substr(0, exe.size() - 4) + L".nelcmi";
    std::wstring packageFolder = exe.substr(0, exe.rfind(L'\\'));

    ToolResult check = RunTool(L"check " + Quote(exe) + L" --lang en");
    ASSERT_TRUE(check.finished) << "start error " << check.startError << " after " << check.elapsedMs << " ms";
    bool noError = check.exitCode == 0;

    InstallerRun run = RunInstaller(exe);
    std::wstring reason;
    bool installed = InstalledAsWritten(run, ReadAuthorIntent(info), packageFolder, reason);
    Clean(run);
    EXPECT_EQ(noError, installed) << "check said (exit " << check.exitCode << "):\n"
                                  << P(check.output) << "\ninstallation: "
                                  << (installed ? std::string("as written") : P(reason));
}

INSTANTIATE_TEST_SUITE_P(ToolTestSet, CheckVsInstall, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<PackageCase>& info) {
                             std::string id;
                             for (char c : info.param.name)
                                 id += isalnum((unsigned char)c) ? c : '_';
                             return id;
                         });

// The system's own loader is the judge of a cursor file: check calls a
// file an error exactly when LoadCursorFromFileW refuses it.
TEST(CheckVsLoader, CursorFileIsAnErrorExactlyWhenTheSystemRefusesIt)
{
    int compared = 0;
    for (const CheckCase& c : CheckCases()) {
        if (!c.file)
            continue;
        SCOPED_TRACE(c.name);
        NelTest::TempDir dir;
        WriteCheckCase(c, dir.Path());
        bool loads = Loads(dir / c.file);
        ToolResult check = RunTool(L"check " + Quote(dir.Path()) + L" --lang en");
        ASSERT_TRUE(check.finished);
        EXPECT_EQ(!loads, check.exitCode == 1) << P(check.output);
        ++compared;
    }
    EXPECT_GE(compared, 6);
}

} // namespace
