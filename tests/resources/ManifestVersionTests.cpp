// Manifests and version resources of the built installer and library.
#include <map>
#include <gtest/gtest.h>
#include "ResourceReader.h"
#include "TextMatch.h"

using namespace ResTest;

namespace {

typedef std::map<std::string, std::string> Attributes;

// Attributes of every element with the given name in an XML text. Enough
// XML for a manifest: no entities, attribute values in single or double
// quotes.
std::vector<Attributes> Elements(const std::string& xml, const std::string& name)
{
    std::vector<Attributes> found;
    size_t pos = 0;
    while ((pos = xml.find("<" + name, pos)) != std::string::npos) {
        size_t p = pos + 1 + name.size();
        pos = p;
        if (p >= xml.size() || !(isspace(static_cast<unsigned char>(xml[p])) || xml[p] == '/' ||
                                 xml[p] == '>'))
            continue;  // a longer element name
        size_t end = xml.find('>', p);
        if (end == std::string::npos)
            break;
        Attributes attrs;
        while (p < end) {
            while (p < end && (isspace(static_cast<unsigned char>(xml[p])) || xml[p] == '/'))
                ++p;
            size_t eq = xml.find('=', p);
            if (eq == std::string::npos || eq >= end)
                break;
            std::string key = xml.substr(p, eq - p);
            while (!key.empty() && isspace(static_cast<unsigned char>(key.back())))
                key.pop_back();
            size_t q = eq + 1;
            while (q < end && isspace(static_cast<unsigned char>(xml[q])))
                ++q;
            if (q >= end || (xml[q] != '"' && xml[q] != '\''))
                break;
            size_t close = xml.find(xml[q], q + 1);
            if (close == std::string::npos || close > end)
                break;
            attrs[key] = xml.substr(q + 1, close - q - 1);
            p = close + 1;
        }
        found.push_back(attrs);
    }
    return found;
}

// Text between <name ...> and </name> of the first such element.
std::string ElementText(const std::string& xml, const std::string& name)
{
    size_t open = xml.find("<" + name);
    if (open == std::string::npos)
        return "";
    size_t start = xml.find('>', open);
    size_t end = xml.find("</" + name + ">", open);
    if (start == std::string::npos || end == std::string::npos || end < start)
        return "";
    return xml.substr(start + 1, end - start - 1);
}

// The five things both manifests must ask for: common controls 6, the
// execution level asInvoker, no UI access, per-monitor DPI awareness, and
// the Windows 7, 8 and 8.1 compatibility entries.
void ExpectManifestRequests(const std::string& xml)
{
    bool comctl6 = false;
    for (const Attributes& a : Elements(xml, "assemblyIdentity")) {
        auto get = [&a](const char* k) { auto it = a.find(k); return it == a.end() ? std::string() : it->second; };
        if (get("name") != "Microsoft.Windows.Common-Controls")
            continue;
        comctl6 = true;
        EXPECT_EQ(get("version"), "6.0.0.0");
        // The 64-bit test build embeds a copy that names its own processor.
        EXPECT_EQ(get("processorArchitecture"), sizeof(void*) == 8 ? "amd64" : "x86");
        EXPECT_EQ(get("publicKeyToken"), "6595b64144ccf1df");
        EXPECT_EQ(get("type"), "win32");
    }
    EXPECT_TRUE(comctl6) << "no dependency on the common controls";

    std::vector<Attributes> level = Elements(xml, "requestedExecutionLevel");
    ASSERT_EQ(level.size(), 1u);
    EXPECT_EQ(level[0]["level"], "asInvoker");
    EXPECT_EQ(level[0]["uiAccess"], "false");

    EXPECT_EQ(ElementText(xml, "dpiAware"), "True/PM");

    std::vector<std::string> ids;
    for (Attributes& a : Elements(xml, "supportedOS"))
        ids.push_back(a["Id"]);
    std::vector<std::string> want = {
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
    };
    EXPECT_EQ(ids, want);
}

std::string ManifestOf(const wchar_t* file, UINT id)
{
    DataModule module(BinPath(file));
    EXPECT_NE(module.Handle(), nullptr) << "cannot map as data, error " << module.LoadError();
    if (!module.Handle())
        return "";
    std::vector<WORD> langs =
        ResourceLanguages(module.Handle(), RT_MANIFEST, MAKEINTRESOURCEW(id));
    EXPECT_EQ(langs.size(), 1u) << "manifest " << id << " should exist exactly once";
    if (langs.empty())
        return "";
    std::vector<BYTE> bytes =
        ResourceBytes(module.Handle(), RT_MANIFEST, MAKEINTRESOURCEW(id), langs[0]);
    return std::string(bytes.begin(), bytes.end());
}

// A program's manifest is RT_MANIFEST 1 (the loader's process manifest).
TEST(Manifests, InstallerManifestIsResourceOneWithAllRequests)
{
    std::string xml = ManifestOf(L"TaviCurMiniInst.exe", 1);
    ASSERT_FALSE(xml.empty());
    ExpectManifestRequests(xml);
}

// A library's manifest is RT_MANIFEST 2 (ISOLATIONAWARE_MANIFEST_RESOURCE_ID):
// under ID 1 the loader would ignore it for a library.
TEST(Manifests, LibraryManifestIsResourceTwoWithAllRequests)
{
    std::string xml = ManifestOf(L"NelWnd.dll", 2);
    ASSERT_FALSE(xml.empty());
    ExpectManifestRequests(xml);
}

// The loader builds an activation context from a library's manifest when it
// loads the library; a manifest it cannot use makes the load fail.
TEST(Manifests, LibraryLoadsAsCodeWithItsManifest)
{
    HMODULE dll = LoadLibraryW(BinPath(L"NelWnd.dll").c_str());
    ASSERT_NE(dll, nullptr) << "error " << GetLastError();
    FreeLibrary(dll);
}

struct VersionData {
    std::vector<BYTE> block;
    VS_FIXEDFILEINFO fixed = {};
    std::wstring subBlock;  // "\StringFileInfo\<lang><codepage>\"

    bool Load(const std::wstring& path)
    {
        DWORD handle = 0;
        DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
        if (!size)
            return false;
        block.resize(size);
        if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data()))
            return false;
        void* p = nullptr;
        UINT len = 0;
        if (!VerQueryValueW(block.data(), L"\\", &p, &len) || len < sizeof(fixed))
            return false;
        memcpy(&fixed, p, sizeof(fixed));
        if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &p, &len) || len < 4)
            return false;
        const WORD* pair = static_cast<const WORD*>(p);
        wchar_t buf[64];
        wsprintfW(buf, L"\\StringFileInfo\\%04x%04x\\", pair[0], pair[1]);
        subBlock = buf;
        return true;
    }

    std::wstring Str(const wchar_t* name)
    {
        void* p = nullptr;
        UINT len = 0;
        if (!VerQueryValueW(block.data(), (subBlock + name).c_str(), &p, &len) || !p)
            return L"<missing>";
        return static_cast<const wchar_t*>(p);
    }
};

void ExpectVersion(const wchar_t* file, DWORD versionMS, const wchar_t* text, DWORD fileType)
{
    VersionData v;
    ASSERT_TRUE(v.Load(BinPath(file))) << "no version resource, error " << GetLastError();
    EXPECT_EQ(v.fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(v.fixed.dwFileVersionMS, versionMS);
    EXPECT_EQ(v.fixed.dwFileVersionLS, 0u);
    EXPECT_EQ(v.fixed.dwFileType, fileType);
    // The programs read the first translation: Japanese, Unicode.
    EXPECT_TRUE(SameText(v.subBlock, L"\\StringFileInfo\\041104b0\\"));
    EXPECT_TRUE(SameText(v.Str(L"FileVersion"), text));
    EXPECT_TRUE(SameText(v.Str(L"ProductVersion"), text));
    EXPECT_TRUE(SameText(v.Str(L"OriginalFilename"), file));
    for (const wchar_t* name : {L"CompanyName", L"FileDescription", L"ProductName", L"LegalCopyright"}) {
        std::wstring value = v.Str(name);
        EXPECT_TRUE(!value.empty() && value != L"<missing>") << Show(name) << " is " << Show(value);
    }
}

TEST(VersionResources, InstallerIsVersion100)
{
    ExpectVersion(L"TaviCurMiniInst.exe", MAKELONG(0, 1), L"1.00", VFT_APP);
}

TEST(VersionResources, LibraryIsVersion122)
{
    ExpectVersion(L"NelWnd.dll", MAKELONG(22, 1), L"1.22", VFT_DLL);
}

}  // namespace
