// System fonts, frame widths, the platform test and the conversion to the
// ANSI code page (internal helpers, compiled in from the library's sources).
#include "ProcessDriver.h"
#include "WndTestUtil.h"
#include "WndUtil/NelWndUtilInternal.h"

using namespace NelTest;

namespace {

class WindowMetrics : public WindowTest {};

LOGFONTA FontOf(HFONT font)
{
    LOGFONTA lf = {};
    EXPECT_EQ(static_cast<int>(sizeof(lf)), GetObjectA(font, sizeof(lf), &lf));
    return lf;
}

// Gives each non-client font a height of its own for the test's duration,
// so that a font picked from the wrong field shows.
class DistinctNonClientFonts {
public:
    DistinctNonClientFonts()
    {
        m_saved.cbSize = sizeof(m_saved);
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(m_saved), &m_saved, 0);
        metrics = m_saved;
        LOGFONTA* fonts[] = {&metrics.lfCaptionFont, &metrics.lfMenuFont, &metrics.lfMessageFont,
                             &metrics.lfStatusFont, &metrics.lfSmCaptionFont};
        for (int i = 0; i < 5; ++i)
            fonts[i]->lfHeight = -21 - i;
        m_set = SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) != FALSE;
    }
    ~DistinctNonClientFonts()
    {
        if (m_set)
            SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof(m_saved), &m_saved, 0);
    }
    bool Set() const { return m_set; }
    NONCLIENTMETRICSA metrics;

private:
    NONCLIENTMETRICSA m_saved = {};
    bool m_set = false;
};

// Runs the probe with Wine reporting the given Windows version to it
// alone (none: the default); its exit code, or 98 when it did not run.
DWORD ProbeUnder(const wchar_t* version)
{
    const wchar_t key[] = L"Software\\Wine\\AppDefaults\\WndUtilPlatformProbe.exe";
    HKEY hkey;
    if (version && RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hkey,
                                   nullptr) == ERROR_SUCCESS) {
        RegSetValueExW(hkey, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                       (lstrlenW(version) + 1) * sizeof(wchar_t));
        RegCloseKey(hkey);
    }
    ChildProcess probe;
    DWORD code = 98;
    if (!probe.Start(BinFile(L"WndUtilPlatformProbe.exe")) || !probe.WaitExit(20000, &code))
        code = 98;
    if (version)
        RegDeleteKeyW(HKEY_CURRENT_USER, key);
    return code;
}

} // namespace

TEST(SystemFonts, EachKindTakesItsFontFromTheNonClientMetrics)
{
    DistinctNonClientFonts fonts;
    ASSERT_TRUE(fonts.Set()) << "SPI_SETNONCLIENTMETRICS failed";
    const NONCLIENTMETRICSA& m = fonts.metrics;
    const LOGFONTA* expected[] = {&m.lfCaptionFont, &m.lfMenuFont, &m.lfMessageFont, &m.lfStatusFont,
                                  &m.lfSmCaptionFont};
    for (UINT kind = 1; kind <= 5; ++kind) {
        HFONT font = NelCreateSysFont(kind);
        ASSERT_NE(nullptr, font) << "kind " << kind;
        LOGFONTA lf = FontOf(font);
        EXPECT_EQ(expected[kind - 1]->lfHeight, lf.lfHeight) << "kind " << kind;
        EXPECT_EQ(expected[kind - 1]->lfWeight, lf.lfWeight) << "kind " << kind;
        EXPECT_STREQ(expected[kind - 1]->lfFaceName, lf.lfFaceName) << "kind " << kind;
        DeleteObject(font);
    }
}

TEST(SystemFonts, OtherKindsGiveTheIconTitleFont)
{
    DistinctNonClientFonts fonts;
    LOGFONTA icon = {};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(icon), &icon, 0));
    for (UINT kind : {0u, 6u, 100u, 0xFFFFFFFFu}) {
        HFONT font = NelCreateSysFont(kind);
        ASSERT_NE(nullptr, font) << "kind " << kind;
        LOGFONTA lf = FontOf(font);
        EXPECT_EQ(icon.lfHeight, lf.lfHeight) << "kind " << kind;
        EXPECT_STREQ(icon.lfFaceName, lf.lfFaceName) << "kind " << kind;
        DeleteObject(font);
    }
    HFONT font = NelCreateIconTitleFont();
    ASSERT_NE(nullptr, font);
    EXPECT_EQ(icon.lfHeight, FontOf(font).lfHeight);
    DeleteObject(font);
}

TEST_F(WindowMetrics, FrameWidthIsWhatTheStyleAddsOnEachSide)
{
    for (DWORD style : {DWORD(WS_POPUP), DWORD(WS_POPUP | WS_BORDER), DWORD(WS_POPUP | WS_DLGFRAME),
                        DWORD(WS_POPUP | WS_THICKFRAME), DWORD(WS_OVERLAPPEDWINDOW)}) {
        RECT frame = {0, 0, 0, 0};
        AdjustWindowRectEx(&frame, style, FALSE, 0);
        TestWindow box(style, MakeRect(40, 40, 200, 150));
        EXPECT_EQ(-frame.left, NelGetFrameWidth(box.hwnd())) << "style " << std::hex << style;
    }
    EXPECT_EQ(-1, NelGetFrameWidth(DestroyedWindow()));
}

TEST(Platform, NtIsNotThe9xFamilyButWin98Is)
{
    EXPECT_FALSE(NelIsWin9xPlatform());
    EXPECT_EQ(0u, ProbeUnder(nullptr)) << "default version";
    EXPECT_EQ(1u, ProbeUnder(L"win98"));
    EXPECT_EQ(0u, ProbeUnder(L"winxp"));
}

TEST(Platform, WideToAnsiAllocConvertsToTheAnsiCodePage)
{
    // Hiragana A is 82 A0 in code page 932 and the default character elsewhere.
    std::string kana = GetACP() == 932 ? "\x82\xA0" : "?";
    struct Case {
        const wchar_t* text;
        std::string expected;
    } cases[] = {{L"Cursor set", "Cursor set"}, {L"\x3042-1", kana + "-1"}, {L"", ""}};
    for (const Case& c : cases) {
        char* converted = NelWideToAnsiAlloc(c.text);
        ASSERT_NE(nullptr, converted);
        EXPECT_EQ(c.expected, std::string(converted)) << "ACP " << GetACP();
        delete[] converted;
    }
    EXPECT_EQ(nullptr, NelWideToAnsiAlloc(nullptr));
}
