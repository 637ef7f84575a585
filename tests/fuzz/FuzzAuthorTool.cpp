// Fuzz targets of the author tool: its install.inf reader (sections,
// fields, quotes, [Strings] substitution) and what it takes from an inf
// for a package, its package check on mutated packages, and its cursor
// file check on mutated .cur and .ani files.
#include <windows.h>
#include <cstring>
#include <cwchar>
#include "CheckPackage.h"
#include "CursorFileCheck.h"
#include "FuzzInfoMutator.h"
#include "FuzzRun.h"
#include "InfConvert.h"
#include "InfFile.h"
#include "InfSamples.h"
#include "InfScheme.h"
#include "PackageCheck.h"
#include "PackageWriter.h"
#include "TestFiles.h"
#include "ToolRun.h"

namespace Fuzz {

namespace {

// The tool writes its report to standard output; the run's own lines go
// through the C runtime's stream, which keeps the original handle.
class QuietToolOutput {
public:
    QuietToolOutput() : m_old(GetStdHandle(STD_OUTPUT_HANDLE))
    {
        m_nul = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
        SetStdHandle(STD_OUTPUT_HANDLE, m_nul);
    }
    ~QuietToolOutput()
    {
        SetStdHandle(STD_OUTPUT_HANDLE, m_old);
        if (m_nul != INVALID_HANDLE_VALUE)
            CloseHandle(m_nul);
    }
    QuietToolOutput(const QuietToolOutput&) = delete;
    QuietToolOutput& operator=(const QuietToolOutput&) = delete;

private:
    HANDLE m_old;
    HANDLE m_nul;
};

const wchar_t* const kInfPieces[] = {
    L",", L",,", L"\"", L"\"\"", L"\"a,b\"", L";", L"=", L"%", L"%%", L"%10%", L"%11%", L"%SCHEME%",
    L"%CUR_DIR%", L"%missing%", L"[", L"]", L"HKCU", L"HKEY_CURRENT_USER", L"\"Control Panel\\Cursors\\Schemes\"",
    L"0x00020000", L"@arrow.cur", L"-1", L"10", L"\\", L" ", L"\t", L"\x3042", L"\xFF76",
};

std::wstring InfPiece(Random& r)
{
    return r.Below(3) ? kInfPieces[r.Below(sizeof(kInfPieces) / sizeof(kInfPieces[0]))] : HostileText(r, 30);
}

// A corpus inf's text: UTF-16 after its byte-order mark, UTF-8 after its
// mark, otherwise the sample's code page (the system's when it names none).
std::wstring SampleText(const CmiTest::InfSample& sample)
{
    const std::string bytes = CmiTest::ReadAllBytes(
        NelTest::SourcePath(L"tests\\cmitool\\corpus\\" + std::wstring(sample.name, sample.name + strlen(sample.name)) +
                            L"\\install.inf"));
    if (bytes.size() >= 2 && (unsigned char)bytes[0] == 0xFF && (unsigned char)bytes[1] == 0xFE)
        return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
    size_t skip = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    const UINT codePage = skip ? CP_UTF8 : sample.codePage ? sample.codePage : CP_ACP;
    const int n = MultiByteToWideChar(codePage, 0, bytes.data() + skip, (int)(bytes.size() - skip), nullptr, 0);
    std::wstring text(n > 0 ? n : 0, L'\0');
    if (n > 0)
        MultiByteToWideChar(codePage, 0, bytes.data() + skip, (int)(bytes.size() - skip), &text[0], n);
    return text;
}

std::wstring MutateInf(Random& r)
{
    const std::vector<CmiTest::InfSample>& samples = CmiTest::InfSamples();
    std::wstring text = SampleText(samples[r.Below((uint32_t)samples.size())]);
    std::vector<std::wstring> lines;
    for (size_t start = 0;;) {
        size_t lf = text.find(L'\n', start);
        lines.push_back(text.substr(start, lf == std::wstring::npos ? std::wstring::npos : lf - start));
        if (lf == std::wstring::npos)
            break;
        start = lf + 1;
    }
    for (uint32_t n = 1 + Skewed(r, 0, 8); n; --n) {
        const size_t at = r.Below((uint32_t)lines.size());
        std::wstring& line = lines[at];
        switch (r.Below(8)) {
        case 0: line.insert(r.Below((uint32_t)line.size() + 1), InfPiece(r)); break;
        case 1: line.erase(r.Below((uint32_t)line.size() + 1), Skewed(r, 1, 20)); break;
        case 2: lines.erase(lines.begin() + at); break;
        case 3: lines.insert(lines.begin() + at, lines[r.Below((uint32_t)lines.size())]); break;
        case 4: lines.insert(lines.begin() + at, L"[" + HostileText(r, 12) + L"]"); break;
        case 5: {
            std::wstring many;
            for (uint32_t k = Skewed(r, 1, 400); k; --k)
                many += InfPiece(r);
            line = many;
            break;
        }
        case 6: line = HostileText(r, 200); break;
        default: lines.insert(lines.begin() + at, L"%" + HostileText(r, 8) + L"%=" + InfPiece(r)); break;
        }
        if (lines.empty())
            lines.push_back(L"");
    }
    std::wstring out;
    const wchar_t* end = r.Below(3) ? L"\r\n" : L"\n";
    for (const std::wstring& line : lines)
        out += line + end;
    return out;
}

std::string EncodeInf(const std::wstring& text, Random& r)
{
    switch (r.Below(6)) {
    case 0: return CmiTest::Utf16Le(text, true);
    case 1: return CmiTest::Utf16Be(text);
    case 2: return CmiTest::Utf8(text, true);
    case 3: return CmiTest::CodePage(text, 932);
    default: return CmiTest::CodePage(text, CP_ACP);
    }
}

bool HasForbiddenNameCharacter(const std::wstring& name)
{
    for (wchar_t c : name)
        if (c < 32 || wcschr(L"\\/:*?\"<>|", c))
            return true;
    return false;
}

void RunInfReader(Random& r)
{
    std::string bytes = EncodeInf(MutateInf(r), r);
    if (r.Below(4) == 0)
        bytes = MutateBytes(bytes, r);
    const std::wstring path = WorkDir() + L"\\fuzz.inf";
    if (!NelTest::WriteBytes(path, bytes))
        return Finding("could not write the inf");
    InfFile inf;
    if (!inf.Load(path))
        return Finding("a written inf could not be read");
    InfScheme scheme;
    if (ReadInfScheme(inf, scheme)) {
        if (scheme.fields.empty())
            Finding("a scheme line read into no fields");
        PackagePlan plan;
        plan.baseName = SafeFileName(scheme.name);
        if (HasForbiddenNameCharacter(plan.baseName))
            Finding("SafeFileName(" + Show(scheme.name) + ") kept a forbidden character: " +
                    Show(plan.baseName));
        plan.schemeName = scheme.name;
        plan.installFolder = scheme.destination;
        for (const std::wstring& file : scheme.files)
            plan.files.push_back({file, file});
        for (size_t i = 0; i < scheme.fields.size() && i < 17; ++i)
            plan.roles.push_back({L"DN1_Arrow", scheme.fields[i]});
        PackageInfoText(plan);
    }
    // The field splitter and the substitution on lines of their own.
    for (int n = 0; n < 4; ++n) {
        std::wstring line;
        for (uint32_t k = Skewed(r, 0, 60); k; --k)
            line += InfPiece(r);
        SplitInfFields(line);
        const std::wstring out = inf.Substitute(line);
        if (out.size() > (line.size() + 1) * (bytes.size() + MAX_PATH))
            Finding("substitution of " + Show(line) + " grew to " + std::to_string(out.size()));
    }
}

// A conversion writes a whole package (with copies of the installer and
// the library), so only a few inputs do it.
void RunInfConvert(Random& r)
{
    const std::wstring folder = WorkDir() + L"\\inf";
    NelTest::RemoveTree(folder);
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::vector<CmiTest::InfSample>& samples = CmiTest::InfSamples();
    const CmiTest::InfSample& sample = samples[r.Below((uint32_t)samples.size())];
    const std::wstring infPath = CmiTest::WriteInfSample(sample, folder);
    std::string bytes = EncodeInf(MutateInf(r), r);
    NelTest::WriteBytes(infPath, bytes);
    const std::wstring out = WorkDir() + L"\\package";
    NelTest::RemoveTree(out);
    int code;
    {
        QuietToolOutput quiet;
        code = RunFromInf(infPath, out, sample.codePage);
    }
    if (code < 0 || code > 2)
        Finding("from-inf ended with " + std::to_string(code));
}

// --- Cursor files ---------------------------------------------------------

void PutDword(std::string& b, size_t at, uint32_t v)
{
    if (at + 4 <= b.size())
        for (int i = 0; i < 4; ++i)
            b[at + i] = (char)(v >> (8 * i));
}

std::string MutateCursor(Random& r)
{
    std::string b = r.Below(2) ? CmiTest::ValidAni() : CmiTest::ValidCur();
    if (r.Below(3) == 0) {
        static const wchar_t* const demo[] = {L"arrow.ani", L"busy.ani", L"pin.ani", L"arrow.cur", L"hand.cur"};
        const std::wstring path = SourceFile(std::wstring(L"samples\\DemoSet\\") + demo[r.Below(5)]);
        const std::string bytes = path.empty() ? std::string() : CmiTest::ReadAllBytes(path);
        if (!bytes.empty())
            b = bytes;
    }
    const bool riff = b.compare(0, 4, "RIFF") == 0;
    for (uint32_t n = 1 + r.Below(3); n; --n) {
        switch (r.Below(6)) {
        case 0:  // a chunk before "anih" with an odd or a huge size
            if (riff && b.size() >= 12) {
                std::string chunk = "LIST";
                const uint32_t size = r.Below(2) ? 1 + 2 * r.Below(20) : 0xFFFFFFF0u + r.Below(16);
                chunk.append(4, '\0');
                PutDword(chunk, 4, size);
                chunk.append(size < 64 ? size + (size & 1) : r.Below(64), 'x');
                b.insert(12, chunk);
            }
            break;
        case 1: PutDword(b, riff ? 16 : 4, r.Next()); break;               // a size or a count
        case 2: PutDword(b, riff ? 4 : 18, r.Below(2) ? 0 : r.Next()); break;
        case 3: b.resize(r.Below((uint32_t)b.size() + 1)); break;
        default: b = MutateBytes(b, r); break;
        }
    }
    return b;
}

void RunCursorFiles(Random& r)
{
    for (int n = 0; n < 3; ++n) {
        const std::wstring path = WorkDir() + (r.Below(2) ? L"\\fuzz.ani" : L"\\fuzz.cur");
        if (!NelTest::WriteBytes(path, MutateCursor(r)))
            return Finding("could not write a cursor file");
        CheckCursorFile(path);
    }
}

void RunPackageCheck(Random& r)
{
    const std::wstring folder = WorkDir() + L"\\pkg";
    CreateDirectoryW(folder.c_str(), nullptr);
    NelTest::WriteBytes(folder + L"\\set.nelcmi", MakeInfoFile(r));
    NelTest::WriteBytes(folder + L"\\arrow.cur", MutateCursor(r));
    NelTest::WriteBytes(folder + L"\\busy.ani", MutateCursor(r));
    int code;
    {
        QuietToolOutput quiet;
        code = RunCheck(r.Below(4) ? folder : folder + L"\\set.nelcmi");
    }
    if (code < 0 || code > 2)
        Finding("check ended with " + std::to_string(code));
}

} // namespace

const Target kAuthorToolTargets[] = {
    {"inf-reader", 40, RunInfReader},
    {"inf-convert", 2, RunInfConvert},
    {"package-check", 4, RunPackageCheck},
    {"cursor-files", 20, RunCursorFiles},
    {nullptr, 0, nullptr},
};

} // namespace Fuzz
