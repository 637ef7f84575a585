// Window text of both twins on real windows: reading, writing, empty and
// destroyed windows, and a window that reports text it then does not give.
#include "StrTextTestUtil.h"

namespace {

// A window class whose text length is 5 but whose WM_GETTEXT copies nothing.
LRESULT CALLBACK LyingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_GETTEXTLENGTH)
        return 5;
    if (msg == WM_GETTEXT)
        return 0;
    return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND MakeLyingWindow()
{
    static ATOM atom = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = LyingProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"NelStrTextLying";
        return RegisterClassW(&wc);
    }();
    return atom ? CreateWindowExW(0, L"NelStrTextLying", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr)
                : nullptr;
}

// A hidden top-level window of a system class, destroyed with the object.
class TestWindow {
public:
    TestWindow()
        : m_hwnd(CreateWindowExW(0, L"STATIC", L"initial", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr))
    {
    }
    ~TestWindow()
    {
        if (IsWindow(m_hwnd))
            DestroyWindow(m_hwnd);
    }
    HWND Get() const { return m_hwnd; }
    std::wstring Text() const
    {
        wchar_t buf[8192] = {};
        GetWindowTextW(m_hwnd, buf, 8192);
        return buf;
    }

private:
    HWND m_hwnd;
};

} // namespace

template <class S> class WndText : public ::testing::Test {};
using BothTwins = ::testing::Types<CNelStrW, CNelStrA>;
TYPED_TEST_SUITE(WndText, BothTwins, NelStrTypeNames);

TYPED_TEST(WndText, SetAndGetRoundTripUnderBothNames)
{
    TestWindow w;
    ASSERT_NE(nullptr, w.Get());
    std::wstring longText(5000, L'x');
    const std::wstring texts[] = {L"Hello", L"\x30AB\x30FC\x30BD\x30EB\xFF76\xFF9E", longText};
    for (const std::wstring& text : texts) {
        SCOPED_TRACE(testing::Message() << text.size() << " units");
        TypeParam out(In<TypeParam>(text).c_str());
        EXPECT_NE(0, out.SetWndText(w.Get()));
        // The ANSI twin's text is what the ANSI code page makes of it.
        EXPECT_EQ(Back(In<TypeParam>(text)), w.Text()) << Units16(w.Text()).substr(0, 60);

        TypeParam in(TX("old"));
        EXPECT_EQ(1, in.GetWndText(w.Get()));
        EXPECT_EQ(In<TypeParam>(text), Text(in));
        EXPECT_EQ(static_cast<int>(In<TypeParam>(text).size()), in.GetLength());

        TypeParam viaAlias;
        EXPECT_NE(0, TypeParam(TX("alias")).SetWindowTextA(w.Get()));
        EXPECT_EQ(std::wstring(L"alias"), w.Text());
        EXPECT_EQ(1, viaAlias.GetWindowTextA(w.Get()));
        EXPECT_EQ(B(TX("alias")), Text(viaAlias));
    }
}

TYPED_TEST(WndText, EmptyWindowTextClearsAndKeepsTheBuffer)
{
    TestWindow w;
    TypeParam none;
    EXPECT_NE(0, none.SetWndText(w.Get())) << "a string without a buffer sets an empty text";
    EXPECT_EQ(std::wstring(), w.Text());

    TypeParam s(TX("abcdef"));
    EXPECT_EQ(1, s.GetWndText(w.Get()));
    EXPECT_EQ(0, s.GetLength());
    EXPECT_EQ(7, s.GetBuffSize());
    EXPECT_EQ(-1, FirstNonZeroUnit(s));
}

TYPED_TEST(WndText, WindowThatGivesNothingClearsTheString)
{
    HWND lying = MakeLyingWindow();
    ASSERT_NE(nullptr, lying);
    TypeParam s(TX("abc"));
    EXPECT_EQ(1, s.GetWndText(lying));
    EXPECT_EQ(0, s.GetLength());
    EXPECT_EQ(B(TX("")), Text(s));
    DestroyWindow(lying);
}

TYPED_TEST(WndText, DestroyedOrNullHandleKeepsTheOldText)
{
    HWND gone;
    {
        TestWindow w;
        gone = w.Get();
        ASSERT_NE(nullptr, gone);
    }
    ASSERT_FALSE(IsWindow(gone));
    TypeParam s(TX("old"));
    EXPECT_EQ(0, s.GetWndText(gone));
    EXPECT_EQ(0, s.GetWindowTextA(gone));
    EXPECT_EQ(0, s.GetWndText(nullptr));
    EXPECT_EQ(B(TX("old")), Text(s));
    EXPECT_EQ(4, s.GetBuffSize());
    EXPECT_EQ(0, s.SetWndText(gone));
    EXPECT_EQ(0, s.SetWindowTextA(gone));
}
