// NelCmiTool: checks install-info packages and converts cursor install.inf
// files into packages. Output is UTF-8 on stdout.
#include <windows.h>
#include <string>
#include <vector>
#include "InfConvert.h"
#include "PackageCheck.h"
#include "ToolOutput.h"
#include "ToolText.h"

namespace {

int Usage()
{
    WriteLine(Text(Msg::Usage));
    return 2;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    SetToolLanguage(UserLanguageIsJapanese());
    std::vector<std::wstring> args;
    std::wstring codePageArg;
    for (int i = 1; i < argc; ++i) {
        std::wstring arg = argv[i];
        if (arg == L"--codepage" && i + 1 < argc) {
            codePageArg = argv[++i];
        } else if (arg == L"--lang" && i + 1 < argc) {
            std::wstring lang = argv[++i];
            if (lang != L"ja" && lang != L"en")
                return Usage();
            SetToolLanguage(lang == L"ja");
        } else {
            args.push_back(arg);
        }
    }
    unsigned codePage = 0;
    if (!codePageArg.empty()) {
        codePage = (unsigned)wcstoul(codePageArg.c_str(), nullptr, 10);
        if (!codePage || !IsValidCodePage(codePage)) {
            WriteLine(Text(Msg::BadCodePage, codePageArg));
            return 2;
        }
    }
    if (args.size() == 2 && args[0] == L"check")
        return RunCheck(args[1]);
    if (args.size() == 3 && args[0] == L"from-inf")
        return RunFromInf(args[1], args[2], codePage);
    return Usage();
}
