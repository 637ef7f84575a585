// Writes a package for the installer: the install-info file (UTF-16LE
// with a byte-order mark, CRLF), the cursor files beside it, and the
// installer and NelWnd.dll taken from the tool's own folder.
#pragma once
#include <string>
#include <utility>
#include <vector>

struct PackageFile {
    std::wstring name;    // [InstallFiles] name, the name in the package folder
    std::wstring source;  // where the file is now
};

struct PackagePlan {
    std::wstring baseName;        // <baseName>.exe and <baseName>.nelcmi
    std::wstring schemeName;
    std::wstring installFolder;   // DefInstallFolder, with %WindowsFolder% where it fits
    std::vector<PackageFile> files;                           // [InstallFiles]
    std::vector<std::pair<std::wstring, std::wstring>> roles; // [DesignList] key, file
};

// The install-info text of the plan.
std::wstring PackageInfoText(const PackagePlan& plan);

// A name usable as a file name: characters Windows forbids become "_".
std::wstring SafeFileName(const std::wstring& name);

// Writes everything into outFolder (created when missing). Reports each
// failure and returns false when anything could not be written.
bool WritePackage(const PackagePlan& plan, const std::wstring& outFolder);
