#include "SharedTestHost.h"
#include <gtest/gtest.h>

namespace NelTest {

namespace {

class HostEnvironment : public ::testing::Environment {
public:
    static HWND s_window;
    void TearDown() override
    {
        if (s_window)
            DestroyWindow(s_window);
        s_window = nullptr;
    }
};
HWND HostEnvironment::s_window = nullptr;

} // namespace

HWND SharedTestHost(const wchar_t* className, WNDPROC proc, int width, int height)
{
    if (HostEnvironment::s_window)
        return HostEnvironment::s_window;
    WNDCLASSW wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    RegisterClassW(&wc);
    HostEnvironment::s_window = CreateWindowExW(0, className, className, WS_POPUP | WS_VISIBLE, 100, 100, width,
                                                height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (HostEnvironment::s_window)
        ::testing::AddGlobalTestEnvironment(new HostEnvironment);
    return HostEnvironment::s_window;
}

} // namespace NelTest
