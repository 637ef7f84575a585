// The checked build stops each kind of fault that the plain build lets
// pass: the probe commits one fault per run, and the test reads how the
// run ended.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "ProcessDriver.h"

namespace {

const DWORD kPassed = 0;                     // the probe printed "... passed"
const DWORD kTrap = 0xC000001D;              // illegal instruction: a compiler check
const DWORD kPageFault = 0xC0000005;         // the no-access page after a block
const DWORD kHeapCorruption = 0xC0000374;    // the checked operator delete
const DWORD kAbort = 3;                      // the standard library's assertion

struct Case {
    const char* fault;
    DWORD checkedEnd;
};

const Case kCases[] = {
    {"index", kTrap},
    {"overflow", kTrap},
    {"heap-overrun", kHeapCorruption},
    {"heap-read", kPageFault},
    {"double-free", kHeapCorruption},
    {"use-after-free", kHeapCorruption},
    {"vector-index", kAbort},
};

DWORD RunProbe(const char* fault)
{
    NelTest::ChildProcess probe;
    const std::string name(fault);
    if (!probe.Start(NelTest::BinFile(L"CheckedProbe.exe"), std::wstring(name.begin(), name.end())))
        return 0xFFFFFFFF;
    DWORD code = 0xFFFFFFFE;
    probe.WaitExit(60000, &code);
    return code;
}

} // namespace

TEST(CheckedProbe, EachFaultStopsTheCheckedBuildAndPassesThePlainOne)
{
#ifdef NEL_CHECKED
    const bool checked = true;
#else
    const bool checked = false;
#endif
    for (const Case& c : kCases) {
        const DWORD expected = checked ? c.checkedEnd : kPassed;
        const DWORD code = RunProbe(c.fault);
        EXPECT_EQ(expected, code) << std::hex << "CheckedProbe " << c.fault
                                  << (checked ? " in the checked build" : " in the plain build")
                                  << " ended with 0x" << code;
    }
}
