#include "SetupApiInstall.h"

namespace NelBench {

SetupApiInstall::SetupApiInstall() : m_lib(LoadLibraryW(L"setupapi.dll")), m_install(nullptr)
{
    if (m_lib)
        m_install = reinterpret_cast<InstallFn>(
            reinterpret_cast<void*>(GetProcAddress(m_lib, "InstallHinfSectionW")));
}

SetupApiInstall::~SetupApiInstall()
{
    if (m_lib)
        FreeLibrary(m_lib);
}

void SetupApiInstall::InstallDefault(const std::wstring& infPath) const
{
    // 128: an INF of the user's own, never restart afterwards.
    std::wstring command = L"DefaultInstall 128 " + infPath;
    m_install(nullptr, nullptr, command.c_str(), SW_HIDE);
}

} // namespace NelBench
