#include "LeakCounts.h"
#include <cstdio>
#include <vector>

namespace Leaks {

namespace {

const int kBatch = 64;

int CountGdi()
{
    int n = 0;
    for (ULONG_PTR slot = 1; slot < 0x10000; ++slot)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)))
            ++n;
    return n;
}

// USER handles are 0x20 + 2 * slot in their lower half.
int UserSlot(const void* handle)
{
    return (int)((LOWORD(reinterpret_cast<ULONG_PTR>(handle)) - 0x20) / 2);
}

void MeasureUser(Counts& c)
{
    HMENU menus[kBatch];
    int high = 0;
    for (HMENU& m : menus) {
        m = CreateMenu();
        if (m && UserSlot(m) > high)
            high = UserSlot(m);
    }
    for (HMENU m : menus)
        if (m)
            DestroyMenu(m);
    int live = 0;
    for (int slot = 0; slot <= high; ++slot) {
        const ULONG_PTR h = 0x20 + 2 * (ULONG_PTR)slot;
        if (IsWindow(reinterpret_cast<HWND>(h)) || IsMenu(reinterpret_cast<HMENU>(h)))
            ++live;
    }
    c.userHigh = high;
    c.userLive = live;
}

void MeasureKernel(Counts& c)
{
    HANDLE events[kBatch];
    ULONG_PTR high = 0;
    for (HANDLE& e : events) {
        e = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        if (e && reinterpret_cast<ULONG_PTR>(e) > high)
            high = reinterpret_cast<ULONG_PTR>(e);
    }
    for (HANDLE e : events)
        if (e)
            CloseHandle(e);
    int live = 0;
    for (ULONG_PTR h = 4; h <= high; h += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(h), &flags))
            ++live;
    }
    c.kernelHigh = (int)(high / 4);
    c.kernelLive = live;
}

size_t PrivateBytes()
{
    size_t total = 0;
    MEMORY_BASIC_INFORMATION info;
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    for (const char* p = static_cast<const char*>(system.lpMinimumApplicationAddress);
         p < system.lpMaximumApplicationAddress && VirtualQuery(p, &info, sizeof(info));
         p = static_cast<const char*>(info.BaseAddress) + info.RegionSize) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
            total += info.RegionSize;
    }
    return total;
}

} // namespace

Counts Measure()
{
    Counts c;
    c.gdi = CountGdi();
    MeasureUser(c);
    MeasureKernel(c);
    c.privateBytes = PrivateBytes();
    return c;
}

std::string Describe(const Counts& c)
{
    char line[200];
    std::snprintf(line, sizeof(line), "GDI %4d | USER top slot %4d, live %4d | kernel top %4d, live %4d | private %7zu KiB",
                  c.gdi, c.userHigh, c.userLive, c.kernelHigh, c.kernelLive, c.privateBytes / 1024);
    return line;
}

bool CheckCounters()
{
    const int n = 50;
    const Counts before = Measure();
    std::vector<HGDIOBJ> pens;
    std::vector<HMENU> menus;
    std::vector<HANDLE> events;
    for (int i = 0; i < n; ++i) {
        pens.push_back(CreatePen(PS_SOLID, 1, RGB(i, 0, 0)));
        menus.push_back(CreateMenu());
        events.push_back(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    }
    void* block = VirtualAlloc(nullptr, 1 << 20, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    const Counts held = Measure();
    for (int i = 0; i < n; ++i) {
        DeleteObject(pens[i]);
        DestroyMenu(menus[i]);
        CloseHandle(events[i]);
    }
    VirtualFree(block, 0, MEM_RELEASE);
    const Counts after = Measure();
    std::printf("counter check: %d pens, %d menus, %d events and 1 MiB held\n", n, n, n);
    std::printf("  before  %s\n  holding %s\n  after   %s\n", Describe(before).c_str(), Describe(held).c_str(),
                Describe(after).c_str());
    const bool ok = held.gdi - before.gdi == n && held.userLive - before.userLive == n &&
                    held.userHigh > before.userHigh && held.kernelLive - before.kernelLive == n &&
                    held.kernelHigh > before.kernelHigh && held.privateBytes - before.privateBytes >= (1u << 20) &&
                    after.gdi == before.gdi && after.userLive == before.userLive &&
                    after.kernelLive == before.kernelLive;
    std::printf("  %s\n", ok ? "every counter saw the objects come and go"
                             : "A COUNTER MISSED THE OBJECTS (figures above)");
    return ok;
}

} // namespace Leaks
