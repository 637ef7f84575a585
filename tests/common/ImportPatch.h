// Replaces one imported function of a loaded module for as long as the
// object lives, by rewriting the module's import address table. Tests use
// it to give a library the system behaviour Windows has where Wine's
// differs, or to watch the calls a library makes.
#pragma once
#include <windows.h>

class ImportPatch {
public:
    // module: the importing module; dll: the exporting DLL's file name
    // (case-insensitive); name: the imported function's name.
    ImportPatch(HMODULE module, const char* dll, const char* name, void* replacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    bool Active() const { return m_slot != nullptr; }
    // The function the table held before (call it to pass a call on).
    void* Original() const { return m_original; }

private:
    void** m_slot = nullptr;
    void* m_original = nullptr;
};
