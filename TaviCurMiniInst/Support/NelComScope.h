// COM initialised for the lifetime of a scope, for the shell calls of the
// path helpers. Uninitialised only when the initialisation counted: a
// thread already initialised in another mode answers RPC_E_CHANGED_MODE,
// and calling CoUninitialize then would undo someone else's initialisation.
#pragma once
#include <objbase.h>

class CNelComScope {
public:
    CNelComScope() : m_hr(CoInitialize(nullptr)) {}
    ~CNelComScope()
    {
        if (SUCCEEDED(m_hr))
            CoUninitialize();
    }
    CNelComScope(const CNelComScope&) = delete;
    CNelComScope& operator=(const CNelComScope&) = delete;

private:
    HRESULT m_hr;
};
