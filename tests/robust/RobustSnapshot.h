// What the file system and the registry hold, as a map from a path to a
// fingerprint, so that two snapshots taken around one installer run show
// everything the run created, changed or removed.
#pragma once
#include <windows.h>
#include <map>
#include <string>
#include <vector>

namespace Robust {

// Path (upper-cased, so that comparisons ignore case) -> fingerprint.
typedef std::map<std::wstring, std::wstring> Snapshot;

// Every file and folder under root (for example "C:\"), skipping the
// folders in `skip` (full paths) and everything beneath them.
void AddFiles(Snapshot& snap, const std::wstring& root, const std::vector<std::wstring>& skip);

// Every key and value under root\subKey, named "HKEY_CURRENT_USER\..."
// ("...\[value name]" for values), skipping subkeys in `skip` (full names).
void AddRegistry(Snapshot& snap, HKEY root, const std::wstring& rootName, const std::wstring& subKey,
                 const std::vector<std::wstring>& skip);

// The whole C: drive, the current user's hive (without Wine's own
// bookkeeping under Software\Wine) and the machine's Software key
// (without Classes): everything an installer run may touch.
Snapshot TakeSnapshot();

// Paths added, removed or changed between the two snapshots, leaving out
// those equal to or beneath one of `allowed` (full names, any case).
std::vector<std::wstring> Changes(const Snapshot& before, const Snapshot& after,
                                  const std::vector<std::wstring>& allowed);

// Upper-case copy, as snapshot paths are stored.
std::wstring Upper(std::wstring text);

} // namespace Robust
