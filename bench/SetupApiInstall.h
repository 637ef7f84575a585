// The system's own INF installer (setupapi.dll), called in-process the way
// rundll32 would call it, with no reboot and no questions.
#pragma once
#include <windows.h>
#include <string>

namespace NelBench {

class SetupApiInstall {
public:
    SetupApiInstall();
    ~SetupApiInstall();
    SetupApiInstall(const SetupApiInstall&) = delete;
    SetupApiInstall& operator=(const SetupApiInstall&) = delete;

    // False when setupapi.dll or its InstallHinfSectionW cannot be had.
    bool Loaded() const { return m_install != nullptr; }
    // Runs [DefaultInstall] of the INF (a user INF, never reboot). The call
    // reports nothing; the caller checks what landed.
    void InstallDefault(const std::wstring& infPath) const;

private:
    typedef void(WINAPI* InstallFn)(HWND, HINSTANCE, LPCWSTR, INT);
    HMODULE m_lib;
    InstallFn m_install;
};

} // namespace NelBench
