#pragma once
// The shell's folder browser worked as a user works it: its tree opened item by item down to a
// folder, the folder selected, OK pressed. The browser may be a dialog the test opened itself or
// one of another program: the tree writes item texts into memory of the browser's own process.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace tarvane::testing {

// The tree of a folder browser; throws when there is none.
HWND FolderTree(HWND browser);
// The texts of the tree's top items.
std::vector<std::wstring> TopTreeItems(HWND tree);
// The text of the tree's selected item; empty when none is selected.
std::wstring SelectedTreeItem(HWND tree);

// Opens the browser's tree item by item along itemPath, starting below the top item (the
// desktop), and selects the last one as a click on it would; false when the tree refuses it. An
// item matches by its text, or a drive by the "(C:)" its text ends with or its "C:\". Throws,
// naming the items there are, when an item is missing.
bool SelectFolder(HWND browser, const std::vector<std::wstring>& itemPath);
// Selects the folder, presses OK and waits until the browser is gone.
void ChooseFolder(HWND browser, const std::vector<std::wstring>& itemPath);

// Makes the folders (throws when one cannot be), then lists each, so that the browser's own read
// moves no access time: a folder's first read after a change does, and Wine's browser keeps it.
void MakeFoldersForBrowser(const std::vector<std::wstring>& folders);

}  // namespace tarvane::testing
