#include "support/folder_tree_win32.h"

#include <array>

#include "support/remote_memory_win32.h"
#include "support/win32_files.h"
#include "support/window_driving_win32.h"

namespace tarvane::testing {
namespace {

std::wstring TreeItemText(HWND tree, HTREEITEM item) {
    constexpr std::size_t kTextChars = MAX_PATH;
    const RemoteMemory remote(tree, sizeof(TVITEMW) + kTextChars * sizeof(wchar_t));
    TVITEMW request{};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = reinterpret_cast<wchar_t*>(remote.At(sizeof(TVITEMW)));
    request.cchTextMax = kTextChars;
    remote.Write(&request, sizeof(request));
    DWORD_PTR answered = 0;
    if (!SendMessageTimeoutW(tree, TVM_GETITEMW, 0, remote.At(), SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &answered) ||
        !answered) {
        FailDriving(L"the folder tree does not tell an item's text");
    }
    std::array<wchar_t, kTextChars> text{};
    remote.Read(text.data(), sizeof(text), sizeof(TVITEMW));
    text.back() = L'\0';
    return text.data();
}

HTREEITEM NextTreeItem(HWND tree, UINT relation, HTREEITEM from) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(from)));
}

bool EndsWith(const std::wstring& text, const std::wstring& end) {
    return text.size() >= end.size() &&
           lstrcmpiW(text.substr(text.size() - end.size()).c_str(), end.c_str()) == 0;
}

// Drive C: as the shell names it: "Local Disk (C:)" on Windows, "(C:)" or "C:\" under Wine.
bool ItemMatches(const std::wstring& text, const std::wstring& wanted) {
    return lstrcmpiW(text.c_str(), wanted.c_str()) == 0 || EndsWith(text, L"(" + wanted + L")") ||
           lstrcmpiW(text.c_str(), (wanted + L"\\").c_str()) == 0;
}

// The child of parent whose text matches, after expanding parent so that its children exist.
HTREEITEM ChildItem(HWND tree, HTREEITEM parent, const std::wstring& wanted) {
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
    std::wstring seen;
    for (HTREEITEM child = NextTreeItem(tree, TVGN_CHILD, parent); child != nullptr;
         child = NextTreeItem(tree, TVGN_NEXT, child)) {
        const std::wstring text = TreeItemText(tree, child);
        if (ItemMatches(text, wanted)) {
            return child;
        }
        seen += L" \"" + text + L"\"";
    }
    FailDriving(L"no item \"" + wanted + L"\" in the folder tree; there are:" + seen);
}

}  // namespace

HWND FolderTree(HWND browser) {
    HWND tree = FindWindowExW(browser, nullptr, WC_TREEVIEWW, nullptr);
    if (tree == nullptr) {
        FailDriving(L"no folder tree in \"" + WindowText(browser) + L"\"");
    }
    return tree;
}

std::wstring SelectedTreeItem(HWND tree) {
    HTREEITEM selected = NextTreeItem(tree, TVGN_CARET, nullptr);
    return selected == nullptr ? L"" : TreeItemText(tree, selected);
}

std::vector<std::wstring> TopTreeItems(HWND tree) {
    std::vector<std::wstring> texts;
    for (HTREEITEM item = NextTreeItem(tree, TVGN_ROOT, nullptr); item != nullptr;
         item = NextTreeItem(tree, TVGN_NEXT, item)) {
        texts.push_back(TreeItemText(tree, item));
    }
    return texts;
}

bool SelectFolder(HWND browser, const std::vector<std::wstring>& itemPath) {
    HWND tree = FolderTree(browser);
    HTREEITEM item = NextTreeItem(tree, TVGN_ROOT, nullptr);
    for (const std::wstring& name : itemPath) {
        item = ChildItem(tree, item, name);
    }
    return SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != FALSE;
}

void ChooseFolder(HWND browser, const std::vector<std::wstring>& itemPath) {
    if (!SelectFolder(browser, itemPath)) {
        FailDriving(L"the folder tree does not select the folder");
    }
    Click(GetDlgItem(browser, IDOK));
    WaitUntilGone(browser);
}

void MakeFoldersForBrowser(const std::vector<std::wstring>& folders) {
    for (const std::wstring& folder : folders) {
        if (!CreateDirectoryW(folder.c_str(), nullptr)) {
            FailDriving(L"cannot make the folder " + folder);
        }
    }
    for (const std::wstring& folder : folders) {
        EntriesIn(folder + L"\\");
    }
}

}  // namespace tarvane::testing
