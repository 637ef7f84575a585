// Puts the values of one registry key back as they were when a test ends.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace NelTest {

// The values (not subkeys) of one key, restored on scope exit: values added
// meanwhile are deleted, changed or deleted ones rewritten (the key is made
// again if it went), and a key that did not exist before is emptied and
// removed again.
class RegValuesGuard {
public:
    RegValuesGuard(HKEY root, const std::wstring& key);
    ~RegValuesGuard();
    RegValuesGuard(const RegValuesGuard&) = delete;
    RegValuesGuard& operator=(const RegValuesGuard&) = delete;

private:
    struct Value {
        std::wstring name;
        DWORD type;
        std::vector<BYTE> data;
    };
    std::vector<Value> Read() const;

    HKEY m_root;
    std::wstring m_key;
    bool m_existed;
    std::vector<Value> m_values;
};

} // namespace NelTest
