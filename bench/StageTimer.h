// Where the time of an in-process run goes: the run is cut into stages,
// and inside each stage the system calls of a few kinds are timed and
// counted by replacing the program's imports of them. Shared by the
// programs that run the installer's code in-process (StartupStages,
// InstallStages).
#pragma once
#include <windows.h>
#include <vector>
#include "ImportPatch.h"

namespace NelBench {

// One run's figures.
struct StageFigures {
    std::vector<double> total;              // [stage] the stage's whole time
    std::vector<std::vector<double>> time;  // [stage][kind] time in calls of the kind
    std::vector<std::vector<int>> calls;    // [stage][kind] calls counted for the kind
};

// Starts a run's figures with the first stage at now. Before the first
// start and after StopStages nothing is added.
void StartStages(int stageCount, int kindCount, int first);
// Ends the current stage at now (its time is added) and begins stage.
void EnterStage(int stage, double now);
// Ends the current stage at now; nothing is added afterwards.
void StopStages(double now);
// The current stage, or -1 when the figures are stopped.
int CurrentStage();
// Counts one call of a kind in the current stage.
void CountCall(int kind);
// The figures of the run so far.
const StageFigures& Figures();

// Adds the time of its scope to a kind of the current stage (when counts).
class CTimed {
public:
    explicit CTimed(int kind, bool counts = true);
    ~CTimed();
    CTimed(const CTimed&) = delete;
    CTimed& operator=(const CTimed&) = delete;

private:
    int m_kind;
    bool m_counts;
    double m_start;
};

// One replaced import of the program: exporting DLL, name, replacement.
struct PatchEntry {
    const char* dll;
    const char* name;
    void* hook;
};

// The listed imports of module replaced for the rest of the program; an
// import the module does not have stays inactive (its hook is never
// called). Slots are the table's indexes.
class ImportPatches {
public:
    ImportPatches(HMODULE module, const PatchEntry* table, int count);
    bool Active(int slot) const { return m_patches[slot]->Active(); }
    // The replaced function (call it to pass a call on).
    template <class F>
    F Original(int slot) const
    {
        return reinterpret_cast<F>(m_patches[slot]->Original());
    }

private:
    std::vector<ImportPatch*> m_patches;
};

// Times the reading of the install-info file named by infoFile (find,
// open, size, read, close) as kind, counting each open as one lookup.
// False when the module's file opens cannot be replaced.
bool WatchInfoFileReading(HMODULE module, const wchar_t* (*infoFile)(), int kind);

// One printed row: a stage's whole time, the time in one kind of call, or
// what is left of the stage besides all kinds; the stage kAllStages stands
// for all stages together. countKind (or -1) gives the count printed after
// the time, with countUnit.
enum RowPart { kWhole, kOfKind, kRest };
const int kAllStages = -1;
struct StageRow {
    const char* label;
    int stage;
    RowPart part;
    int kind;
    int countKind;
    const char* countUnit;
};

// The title, then each row's median over the runs (or the one run's figure).
void PrintStageRows(const char* title, const StageRow* rows, int rowCount,
                    const std::vector<StageFigures>& runs);

} // namespace NelBench
