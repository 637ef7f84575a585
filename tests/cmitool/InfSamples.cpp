#include "InfSamples.h"
#include <windows.h>
#include "CheckPackage.h"
#include "TestCursorFiles.h"
#include "TestFiles.h"
#include "ToolRun.h"

namespace CmiTest {

namespace {

// Seventeen role values with the named positions (0-based) filled.
std::vector<std::wstring> Roles(std::initializer_list<std::pair<int, std::wstring>> set)
{
    std::vector<std::wstring> r(17);
    for (const auto& p : set)
        r[p.first] = p.second;
    return r;
}

std::vector<std::wstring> Names(const std::vector<std::wstring>& paths)
{
    std::vector<std::wstring> names;
    for (const std::wstring& p : paths)
        names.push_back(p.substr(p.find_last_of(L"\\") + 1));
    return names;
}

const wchar_t kWin[] = L"%WindowsFolder%\\Cursors\\";

std::vector<InfSample> Build()
{
    std::vector<InfSample> s;
    auto add = [&](InfSample sample) {
        if (sample.files.empty())
            sample.files = Names(sample.disk);
        s.push_back(sample);
    };

    // Quoted [Strings], %10% destination, REG_SZ scheme, names with spaces.
    add({"quoted-strings", 0,
         {L"My Arrow.cur", L"Help Select.cur", L"working.ani", L"busy.ani", L"Link Select.cur"},
         L"NelCmi Quoted Scheme", kWin + std::wstring(L"Quoted Folder"),
         Roles({{0, L"My Arrow.cur"}, {1, L"Help Select.cur"}, {2, L"working.ani"},
                {3, L"busy.ani"}, {14, L"Link Select.cur"}}),
         {}, {}, {}, 15});

    // A full destination path (-1), REG_EXPAND_SZ, a [Wreg] section that
    // applies the scheme, LF line ends.
    add({"full-path-expand", 0, {L"arrow.cur", L"text.cur", L"alternate.cur"},
         L"NelCmi Unquoted Scheme", kWin + std::wstring(L"Full Path Set"),
         Roles({{0, L"arrow.cur"}, {5, L"text.cur"}, {13, L"alternate.cur"}}), {}, {},
         {L"registry flags 0x00020000 (REG_EXPAND_SZ)", L"also makes the scheme the current pointer set"},
         15});

    // Seventeen fields; names in another letter case than on disk.
    add({"letter-case-17", 0, {L"Arrow.cur", L"busy.ani", L"pin.cur", L"person.cur"},
         L"NelCmi Case Scheme", kWin + std::wstring(L"Case Set"),
         Roles({{0, L"Arrow.cur"}, {3, L"busy.ani"}, {15, L"pin.cur"}, {16, L"person.cur"}}), {},
         {}, {L"registry flags 0x00020000 (REG_EXPAND_SZ)"}, 17});

    // UTF-16 with a byte-order mark, Japanese names.
    add({"utf16-japanese", 0, {L"\x77E2\x5370.cur", L"\x7981\x6B62.cur"},
         L"\x732B\x306E\x30B9\x30AD\x30FC\x30E0",
         kWin + std::wstring(L"\x732B\x306E\x30AB\x30FC\x30BD\x30EB"),
         Roles({{0, L"\x77E2\x5370.cur"}, {7, L"\x7981\x6B62.cur"}}), {}, {}, {}, 15});

    // Shift-JIS without a mark, read in the system's code page by guess.
    std::vector<std::wstring> all(15);
    std::vector<std::wstring> allRoles(17);
    for (int i = 0; i < 15; ++i)
        allRoles[i] = all[i] =
            L"\x30DD\x30A4\x30F3\x30BF" + std::to_wstring(i + 1) + (i == 2 ? L".ani" : L".cur");
    add({"shiftjis-all15", 0, all, L"\x30B5\x30F3\x30D7\x30EB \x30B9\x30AD\x30FC\x30E0",
         kWin + std::wstring(L"\x30B5\x30F3\x30D7\x30EB"), allRoles, {}, {},
         {L"read in code page 932", L"registry flags 0x00020000 (REG_EXPAND_SZ)"}, 15});

    // Person in field 16, pin in field 17: positions kept, names reported;
    // [Strings] first, tabs between the fields.
    add({"person-pin-swapped", 0, {L"normal.cur", L"busy.ani", L"person.cur", L"pin.cur"},
         L"NelCmi Swapped Scheme", kWin + std::wstring(L"Swapped Set"),
         Roles({{0, L"normal.cur"}, {3, L"busy.ani"}, {15, L"person.cur"}, {16, L"pin.cur"}}), {},
         {L"fields 16 and 17 look swapped: field 16 (Pin) names person.cur, field 17 (Person) "
          L"names pin.cur"},
         {}, 17});

    // 22 fields, custom section names, a literal scheme name, a trailing comma.
    add({"twentytwo-fields", 0,
         {L"arrow.cur", L"help.cur", L"cross.cur", L"pin.cur", L"person.cur", L"pan.cur",
          L"grab.cur", L"zoomin.cur", L"zoomout.cur", L"wait2.ani"},
         L"NelCmi Twenty-Two", kWin + std::wstring(L"Twenty Two"),
         Roles({{0, L"arrow.cur"}, {1, L"help.cur"}, {4, L"cross.cur"}, {15, L"pin.cur"},
                {16, L"person.cur"}}),
         {}, {L"the scheme has 22 fields; fields after the seventeenth are left out"}, {}, 22});

    // No [DestinationDirs]; ten fields; REG_MULTI_SZ.
    add({"no-destinationdirs", 0, {L"arrow.cur", L"help.cur", L"horz.cur"},
         L"NelCmi No Destination", kWin + std::wstring(L"NelCmi No Destination"),
         Roles({{0, L"arrow.cur"}, {1, L"help.cur"}, {9, L"horz.cur"}}), {}, {},
         {L"registry flags 0x00010000 (REG_MULTI_SZ)",
          L"no [DestinationDirs] entry (setupapi would copy the files into the system folder); "
          L"the package installs into %WindowsFolder%\\Cursors\\NelCmi No Destination",
          L"the scheme has only 10 fields"},
         0});

    // CUR_DIR with a stray quote; %10%\Cursors\%CUR_DIR% against a
    // destination of Cursors\%CUR_DIR%.
    add({"stray-quote-curdir", 0, {L"arrow.cur", L"beam.cur", L"pin.cur", L"person.cur"},
         L"NelCmi Stray Quote", kWin + std::wstring(L"Stray Set"),
         Roles({{0, L"arrow.cur"}, {5, L"beam.cur"}, {15, L"pin.cur"}, {16, L"person.cur"}}), {},
         {}, {}, 17});

    // GBK without a mark, named with --codepage; CUR_DIR with "/".
    add({"gbk-forward-slash", 936, {L"\x6B63\x5E38\x9009\x62E9.cur", L"\x5FD9.ani"},
         L"\x7B80\x4F53\x5149\x6807", kWin + std::wstring(L"\x5149\x6807\x96C6"),
         Roles({{0, L"\x6B63\x5E38\x9009\x62E9.cur"}, {3, L"\x5FD9.ani"}}), {}, {}, {}, 0});

    // A CopyFiles entry in a subfolder, a file in no CopyFiles section, an
    // empty [Scheme.Txt].
    add({"subfolder-unlisted", 0, {L"src\\pointer.ani", L"help.cur", L"link.cur"},
         L"NelCmi Subfolder", kWin + std::wstring(L"Sub Folder Set"),
         Roles({{0, L"pointer.ani"}, {1, L"help.cur"}, {14, L"link.cur"}}), {}, {},
         {L"src\\pointer.ani lies in a subfolder; the package installs it as pointer.ani",
          L"link.cur is named by the scheme but in no CopyFiles section"},
         0});

    // An unterminated quote on the scheme line, tabs, no [Scheme.Txt].
    add({"unterminated-scheme", 0, {L"arrow.cur", L"work.ani", L"pen.cur"},
         L"NelCmi Unterminated", kWin + std::wstring(L"Unterminated"),
         Roles({{0, L"arrow.cur"}, {2, L"work.ani"}, {6, L"pen.cur"}}), {},
         {L"line 12: the quoting of the scheme line is broken: HKCU,\"Control Panel\\Cursors\\Schemes\","},
         {}, 0});

    // An unquoted scheme value (setupapi would keep its first field only)
    // and a [Wreg] section that sets the current pointers.
    add({"unquoted-scheme-wreg", 0, {L"arrow.cur", L"help.cur", L"pin.cur", L"person.cur"},
         L"NelCmi Unquoted Wreg", kWin + std::wstring(L"Unquoted Wreg"),
         Roles({{0, L"arrow.cur"}, {1, L"help.cur"}, {15, L"pin.cur"}, {16, L"person.cur"}}), {},
         {L"the quoting of the scheme line is broken"},
         {L"also makes the scheme the current pointer set"}, 0});
    return s;
}

} // namespace

const std::vector<InfSample>& InfSamples()
{
    static const std::vector<InfSample> samples = Build();
    return samples;
}

void PrintTo(const InfSample& sample, std::ostream* os)
{
    *os << sample.name;
}

std::string SampleId(const InfSample& sample)
{
    std::string id;
    for (const char* c = sample.name; *c; ++c)
        id += isalnum((unsigned char)*c) ? *c : '_';
    return id;
}

std::wstring WindowsDir()
{
    wchar_t buffer[MAX_PATH];
    UINT n = GetWindowsDirectoryW(buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? buffer : L"C:\\windows";
}

std::string SampleCursorBytes(const std::wstring& name)
{
    bool animated = name.size() > 4 && _wcsicmp(name.c_str() + name.size() - 4, L".ani") == 0;
    if (animated)
        return ValidAni();
    // Each static cursor differs from the others, so that a file that
    // lands under another name is noticed.
    unsigned shade = 0;
    for (wchar_t c : name)
        shade = shade * 31 + (unsigned)towlower(c);
    return NelTest::CursorFile(32, RGB(shade & 0xFF, (shade >> 8) & 0xFF, (shade >> 16) & 0xFF));
}

std::wstring WriteInfSample(const InfSample& sample, const std::wstring& folder)
{
    std::wstring corpus = NelTest::SourcePath(L"tests\\cmitool\\corpus\\");
    std::wstring name(sample.name, sample.name + strlen(sample.name));
    std::wstring path = folder + L"\\install.inf";
    CopyFileW((corpus + name + L"\\install.inf").c_str(), path.c_str(), FALSE);
    for (const std::wstring& file : sample.disk) {
        size_t slash = file.find(L'\\');
        if (slash != std::wstring::npos)
            CreateDirectoryW((folder + L"\\" + file.substr(0, slash)).c_str(), nullptr);
        NelTest::WriteBytes(folder + L"\\" + file, SampleCursorBytes(file));
    }
    return path;
}

std::wstring FromInfArgs(const InfSample& sample, const std::wstring& inf, const std::wstring& out)
{
    std::wstring args = L"from-inf " + Quote(inf) + L" " + Quote(out) + L" --lang en";
    if (sample.codePage)
        args += L" --codepage " + std::to_wstring(sample.codePage);
    return args;
}

} // namespace CmiTest
