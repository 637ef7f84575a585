#include "InfSamples.h"
#include <windows.h>
#include "CheckPackage.h"
#include "TestFiles.h"

namespace CmiTest {

namespace {

std::wstring Join(const std::vector<std::wstring>& fields)
{
    std::wstring out;
    for (size_t i = 0; i < fields.size(); ++i)
        out += (i ? L"," : L"") + fields[i];
    return out;
}

// Fifteen fields (or more) with the named positions filled.
std::vector<std::wstring> Fields(size_t count, std::initializer_list<std::pair<int, std::wstring>> set)
{
    std::vector<std::wstring> f(count);
    for (const auto& p : set)
        f[p.first] = p.second;
    return f;
}

std::vector<InfSample> Build()
{
    std::vector<InfSample> s;

    // Quoted [Strings], %10% destination, REG_SZ scheme (empty flags), a
    // folder named unlike the scheme, names with spaces, empty roles.
    s.push_back({"QuotedStrings_Dirid10_RegSz_Spaces",
                 L"; cursor scheme\n[Version]\nsignature=\"$CHICAGO$\"\n\n"
                 L"[DefaultInstall]\nCopyFiles = Scheme.Cur\nAddReg    = Scheme.Reg\n\n"
                 L"[DestinationDirs]\nScheme.Cur = 10,\"%CUR_DIR%\"\n\n"
                 L"[Scheme.Reg]\nHKCU,\"Control Panel\\Cursors\\Schemes\",\"%SCHEME_NAME%\",,\"" +
                     Join(Fields(15, {{0, L"%10%\\%CUR_DIR%\\%pointer%"},
                                      {1, L"%10%\\%CUR_DIR%\\%help%"},
                                      {2, L"%10%\\%CUR_DIR%\\%work%"},
                                      {3, L"%10%\\%CUR_DIR%\\%busy%"},
                                      {14, L"%10%\\%CUR_DIR%\\%link%"}})) +
                     L"\"\n\n"
                     L"[Scheme.Cur]\n\"My Arrow.cur\"\n\"Help Select.cur\"\nworking.ani\nbusy.ani\n"
                     L"\"Link Select.cur\"\n\n"
                     L"[Strings]\nCUR_DIR       = \"Cursors\\Quoted Folder\"\n"
                     L"SCHEME_NAME   = \"NelCmi Quoted Scheme\"\n"
                     L"pointer       = \"My Arrow.cur\"\nhelp          = \"Help Select.cur\"\n"
                     L"work          = \"working.ani\"\nbusy          = \"busy.ani\"\n"
                     L"link          = \"Link Select.cur\"\n",
                 true, InfEncoding::Ascii,
                 {L"My Arrow.cur", L"Help Select.cur", L"working.ani", L"busy.ani", L"Link Select.cur"},
                 L"NelCmi Quoted Scheme", L"%WindowsFolder%\\Cursors\\Quoted Folder",
                 Fields(15, {{0, L"My Arrow.cur"}, {1, L"Help Select.cur"}, {2, L"working.ani"},
                             {3, L"busy.ani"}, {14, L"Link Select.cur"}}),
                 {}, 15});

    // Unquoted [Strings], a full destination path (-1), REG_EXPAND_SZ
    // (0x00020000) with full paths, LF line ends, and a separate section
    // that applies the roles and the scheme name.
    s.push_back({"UnquotedStrings_FullPath_ExpandSz_ApplySection_Lf",
                 L"[version]\nsignature=\"$CHICAGO$\"\n\n"
                 L"[DefaultInstall]\nCopyFiles = Scheme.Cur\nAddReg = Scheme.Reg, Wreg\n\n"
                 L"[DestinationDirs]\nScheme.Cur = -1,{WINDIR}\\Cursors\\Full Path Set\n\n"
                 L"[Scheme.Reg]\nHKCU,\"Control Panel\\Cursors\\Schemes\",\"%SCHEME_NAME%\",0x00020000,\"" +
                     Join(Fields(15, {{0, L"{WINDIR}\\Cursors\\Full Path Set\\%pointer%"},
                                      {5, L"{WINDIR}\\Cursors\\Full Path Set\\%text%"},
                                      {13, L"{WINDIR}\\Cursors\\Full Path Set\\%alt%"}})) +
                     L"\"\n\n"
                     L"[Wreg]\nHKCU,\"Control Panel\\Cursors\",,0x00020000,\"%SCHEME_NAME%\"\n"
                     L"HKCU,\"Control Panel\\Cursors\",Arrow,0x00020000,\"{WINDIR}\\Cursors\\Full Path Set\\%pointer%\"\n"
                     L"HKCU,\"Control Panel\\Cursors\",IBeam,0x00020000,\"{WINDIR}\\Cursors\\Full Path Set\\%text%\"\n\n"
                     L"[Scheme.Cur]\narrow.cur\ntext.cur\nalternate.cur\n\n"
                     L"[Strings]\nSCHEME_NAME = NelCmi Unquoted Scheme\npointer = arrow.cur\n"
                     L"text = text.cur\nalt = alternate.cur\n",
                 false, InfEncoding::Ascii, {L"arrow.cur", L"text.cur", L"alternate.cur"},
                 L"NelCmi Unquoted Scheme", L"%WindowsFolder%\\Cursors\\Full Path Set",
                 Fields(15, {{0, L"arrow.cur"}, {5, L"text.cur"}, {13, L"alternate.cur"}}), {},
                 15});

    // [Scheme.Cur] in another letter case than on disk, and seventeen
    // fields: the two extra ones are reported and left out.
    s.push_back({"OtherLetterCase_SeventeenFields",
                 L"[Version]\r\nSignature=\"$Windows NT$\"\n\n"
                 L"[DefaultInstall]\nCopyFiles=Scheme.Cur\nAddReg=Scheme.Reg\n\n"
                 L"[DestinationDirs]\nScheme.Cur=10,%CUR_DIR%\n\n"
                 L"[Scheme.Reg]\nHKCU,\"Control Panel\\Cursors\\Schemes\",\"%SCHEME_NAME%\",0x00020000,\"" +
                     Join(Fields(17, {{0, L"%10%\\%CUR_DIR%\\ARROW.CUR"},
                                      {3, L"%10%\\%CUR_DIR%\\Busy.Ani"},
                                      {15, L"%10%\\%CUR_DIR%\\ARROW.CUR"},
                                      {16, L"%10%\\%CUR_DIR%\\ARROW.CUR"}})) +
                     L"\"\n\n[Scheme.Cur]\nARROW.CUR\nBusy.Ani\n\n"
                     L"[Strings]\nCUR_DIR=\"Cursors\\Case Set\"\nSCHEME_NAME=\"NelCmi Case Scheme\"\n",
                 true, InfEncoding::Ascii, {L"Arrow.cur", L"busy.ani"}, L"NelCmi Case Scheme",
                 L"%WindowsFolder%\\Cursors\\Case Set",
                 Fields(17, {{0, L"Arrow.cur"}, {3, L"busy.ani"}, {15, L"Arrow.cur"}, {16, L"Arrow.cur"}}),
                 {}, 17});

    // UTF-16 with Japanese names, LF line ends.
    s.push_back({"Utf16_JapaneseNames_Lf",
                 L"[Version]\nsignature=\"$CHICAGO$\"\n\n"
                 L"[DefaultInstall]\nCopyFiles = Scheme.Cur\nAddReg = Scheme.Reg\n\n"
                 L"[DestinationDirs]\nScheme.Cur = 10,\"%CUR_DIR%\"\n\n"
                 L"[Scheme.Reg]\nHKCU,\"Control Panel\\Cursors\\Schemes\",\"%SCHEME_NAME%\",,\"" +
                     Join(Fields(15, {{0, L"%10%\\%CUR_DIR%\\%pointer%"},
                                      {7, L"%10%\\%CUR_DIR%\\%no%"}})) +
                     L"\"\n\n[Scheme.Cur]\n%pointer%\n%no%\n\n"
                     L"[Strings]\nCUR_DIR = \"Cursors\\\x732B\x306E\x30AB\x30FC\x30BD\x30EB\"\n"
                     L"SCHEME_NAME = \"\x732B\x306E\x30B9\x30AD\x30FC\x30E0\"\n"
                     L"pointer = \"\x77E2\x5370.cur\"\nno = \"\x7981\x6B62.cur\"\n",
                 false, InfEncoding::Utf16, {L"\x77E2\x5370.cur", L"\x7981\x6B62.cur"},
                 L"\x732B\x306E\x30B9\x30AD\x30FC\x30E0",
                 L"%WindowsFolder%\\Cursors\\\x732B\x306E\x30AB\x30FC\x30BD\x30EB",
                 Fields(15, {{0, L"\x77E2\x5370.cur"}, {7, L"\x7981\x6B62.cur"}}), {}, 15});

    // Code page 932 with Japanese names, CRLF, all fifteen roles.
    std::vector<std::wstring> all(15), allFields(15);
    std::wstring copy;
    for (int i = 0; i < 15; ++i) {
        all[i] = L"\x30DD\x30A4\x30F3\x30BF" + std::to_wstring(i + 1) + (i == 2 ? L".ani" : L".cur");
        allFields[i] = L"%10%\\%CUR_DIR%\\" + all[i];
        copy += all[i] + L"\n";
    }
    s.push_back({"Cp932_JapaneseNames_AllFifteen_Crlf",
                 L"[Version]\nsignature=\"$CHICAGO$\"\n\n"
                 L"[DefaultInstall]\nCopyFiles = Scheme.Cur\nAddReg = Scheme.Reg\n\n"
                 L"[DestinationDirs]\nScheme.Cur = 10,\"%CUR_DIR%\"\n\n"
                 L"[Scheme.Reg]\nHKCU,\"Control Panel\\Cursors\\Schemes\",\"%SCHEME_NAME%\",0x00020000,\"" +
                     Join(allFields) + L"\"\n\n[Scheme.Cur]\n" + copy +
                     L"\n[Strings]\nCUR_DIR = \"Cursors\\\x30B5\x30F3\x30D7\x30EB\"\n"
                     L"SCHEME_NAME = \"\x30B5\x30F3\x30D7\x30EB \x30B9\x30AD\x30FC\x30E0\"\n",
                 true, InfEncoding::Cp932, all, L"\x30B5\x30F3\x30D7\x30EB \x30B9\x30AD\x30FC\x30E0",
                 L"%WindowsFolder%\\Cursors\\\x30B5\x30F3\x30D7\x30EB", all, {}, 15});
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

std::wstring WindowsDir()
{
    wchar_t buffer[MAX_PATH];
    UINT n = GetWindowsDirectoryW(buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? buffer : L"C:\\windows";
}

std::wstring SampleText(const InfSample& sample)
{
    std::wstring text = sample.text;
    for (size_t at; (at = text.find(L"{WINDIR}")) != std::wstring::npos;)
        text.replace(at, 8, WindowsDir());
    return text;
}

std::wstring WriteInfSample(const InfSample& sample, const std::wstring& folder)
{
    std::wstring text = SampleText(sample);
    if (sample.crlf) {
        std::wstring crlf;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r'))
                crlf += L'\r';
            crlf += text[i];
        }
        text = crlf;
    }
    std::string bytes = sample.encoding == InfEncoding::Utf16  ? Utf16Le(text, true)
                        : sample.encoding == InfEncoding::Cp932 ? CodePage(text, 932)
                                                                : CodePage(text, 1252);
    std::wstring path = folder + L"\\install.inf";
    NelTest::WriteBytes(path, bytes);
    for (const std::wstring& file : sample.disk) {
        bool animated = file.size() > 4 && _wcsicmp(file.c_str() + file.size() - 4, L".ani") == 0;
        NelTest::WriteBytes(folder + L"\\" + file, animated ? ValidAni() : ValidCur());
    }
    return path;
}

} // namespace CmiTest
