#pragma once
// Suggestions under SGA In and SGB Out while a path is typed: the shell's autocomplete object
// (suggestions only, nothing appended to what is typed) with a list of the program's own, which
// lists the folder typed so far.
#include <windows.h>
#include <shldisp.h>
#include <shobjidl.h>

#include <optional>

#include "base/scoped_win32.h"
#include "ui/path_completion.h"

namespace tarvane {

// COM on the window's thread from the first completion on, for as long as this lives: the
// window's owner keeps it beyond the window, and so beyond every autocomplete object of a box.
class ComFromFirstUse {
  public:
    // True when COM runs on this thread now.
    bool Start();

  private:
    std::optional<ComOnThisThread> com_;
};

// The completion of one box, set up at the box's first key press, so that start-up pays nothing
// for it.
class PathCompletion {
  public:
    PathCompletion(CompletionKind kind, ComFromFirstUse& com) : kind_(kind), com_(com) {}

    // A key pressed in the box (WM_KEYDOWN), before the window's own keyboard handling sees it.
    // With the suggestions shown, Esc and Enter are theirs: the dialog keyboard handling would
    // take them for the window's Cancel and OK, so the list is handed them here, and true says
    // that the key needs nothing more.
    bool TakeKey(MSG& message);

  private:
    void Start(HWND box);

    const CompletionKind kind_;
    ComFromFirstUse& com_;
    bool started_ = false;
    ScopedCom<IAutoCompleteDropDown> dropDown_;
};

}  // namespace tarvane
