#pragma once
// The first thing the program does, before anything loads a library: it tells Windows that DLLs
// loaded by name come from the system folder only, since Tarvane.exe is most often started where
// it was downloaded, beside whatever else was downloaded there; and it asks for the process
// defences that Windows does not give an exe of its kind by itself.

namespace tarvane {

class ProcessDefences {
  public:
    virtual ~ProcessDefences() = default;
    // DLLs loaded by name come from the system folder only, not from the program's folder or the
    // working folder. False where Windows cannot (before Windows 8, unless Vista or 7 has update
    // KB2533623) or refuses.
    virtual bool SearchSystemFolderOnly() = 0;
    // Leaves the working folder out of the search for DLLs; the program's own folder stays in it.
    virtual void LeaveOutWorkingFolder() = 0;
    // Data execution prevention for this process, where the system has the call. Refused where it
    // is fixed already, on or off, which is fine either way.
    virtual void PreventDataExecution() = 0;
    // The heap ends the process when it finds itself corrupted, instead of working on; refused by
    // systems that cannot, which changes nothing.
    virtual void EndProcessOnHeapCorruption() = 0;
};

enum class ProcessBits { ThirtyTwo, SixtyFour };

void DefendProcess(ProcessDefences& defences, ProcessBits bits);

}  // namespace tarvane
