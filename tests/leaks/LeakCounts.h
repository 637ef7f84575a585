// What a process holds, counted without GetGuiResources (a stub under Wine
// that answers 0) and without GetProcessHandleCount (0 under Wine):
//   - GDI objects: every handle slot 1 to 0xFFFF that GetObjectType knows
//     (a handle whose upper half is 0 matches any reuse count of its slot);
//   - USER objects (windows, menus, icons, cursors, hooks share one table):
//     the highest slot a batch of new menus takes, which rises once objects
//     are kept (they fill the free slots below it), and the windows and
//     menus alive in the slots up to it;
//   - kernel handles: the same with a batch of new events, and the handles
//     GetHandleInformation knows up to it;
//   - private bytes: the committed private memory VirtualQuery reports.
#pragma once
#include <windows.h>
#include <string>

namespace Leaks {

struct Counts {
    int gdi = 0;
    int userHigh = 0;   // highest USER slot of the batch
    int userLive = 0;   // windows and menus up to it (of every process)
    int kernelHigh = 0; // highest kernel handle value of the batch / 4
    int kernelLive = 0; // kernel handles up to it
    size_t privateBytes = 0;
};

Counts Measure();

// One line of figures.
std::string Describe(const Counts& c);

// Creates and frees known numbers of objects of each kind and checks that
// every counter sees them: the proof that the counts work here. Prints
// what it saw; false when a counter missed.
bool CheckCounters();

} // namespace Leaks
