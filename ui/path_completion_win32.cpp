#include "ui/path_completion_win32.h"

#include <shlobj.h>

#include <atomic>
#include <cstring>
#include <string>
#include <vector>

#include "ui/game_folder_win32.h"

namespace tarvane {
namespace {

// The autocomplete object's class (CLSID_AutoComplete) and the list interface that it expands
// (IID_IACList), spelt out here: MinGW's uuid library holds every GUID it has in one section,
// which the first one used would bring into the exe whole (1.6 KiB).
constexpr CLSID kAutoCompleteClass = {
    0x00bb2763, 0x6a77, 0x11d0, {0xa5, 0x35, 0x00, 0xc0, 0x4f, 0xd7, 0xd0, 0x62}};
constexpr IID kExpandableListInterface = {
    0x77a130b0, 0x94fd, 0x11d0, {0xa5, 0x44, 0x00, 0xc0, 0x4f, 0xd7, 0xd0, 0x62}};

// The suggestions of one box, as the autocomplete object asks for them: it calls Expand with the
// text typed up to a backslash, then reads the items. On Windows it does so from a thread of its
// own, at any time while it lives, so this owns everything it uses and touches no window; the
// lock keeps a listing and a reading apart.
class FolderSuggestions final : public IEnumString, public IACList {
  public:
    explicit FolderSuggestions(CompletionKind kind) : kind_(kind) {
        InitializeCriticalSection(&lock_);
    }
    ~FolderSuggestions() { DeleteCriticalSection(&lock_); }
    FolderSuggestions(const FolderSuggestions&) = delete;
    FolderSuggestions& operator=(const FolderSuggestions&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(iid, __uuidof(IUnknown)) || IsEqualIID(iid, __uuidof(IEnumString))) {
            *object = static_cast<IEnumString*>(this);
        } else if (IsEqualIID(iid, kExpandableListInterface)) {
            *object = static_cast<IACList*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() noexcept override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() noexcept override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE Expand(PCWSTR typed) noexcept override {
        // Listed before the lock is taken: a reader waits for the swap only.
        std::vector<std::wstring> items = typed != nullptr ? Listing(typed) : Items{};
        const Guard guard(lock_);
        items_ = std::move(items);
        next_ = 0;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Next(ULONG wanted, LPOLESTR* strings,
                                   ULONG* fetched) noexcept override {
        if (strings == nullptr || (fetched == nullptr && wanted != 1)) {
            return E_POINTER;
        }
        const Guard guard(lock_);
        ULONG given = 0;
        // Out of memory, the caller gets fewer items than it asked for, as at the end.
        while (given < wanted && next_ < items_.size()) {
            const std::wstring& item = items_[next_];
            const std::size_t bytes = (item.size() + 1) * sizeof(wchar_t);
            auto* copy = static_cast<LPOLESTR>(CoTaskMemAlloc(bytes));
            if (copy == nullptr) {
                break;
            }
            std::memcpy(copy, item.c_str(), bytes);
            strings[given++] = copy;
            ++next_;
        }
        if (fetched != nullptr) {
            *fetched = given;
        }
        return given == wanted ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) noexcept override {
        const Guard guard(lock_);
        const std::size_t left = items_.size() - next_;
        next_ += count < left ? count : left;
        return count <= left ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() noexcept override {
        const Guard guard(lock_);
        next_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumString** copy) noexcept override {
        if (copy != nullptr) {
            *copy = nullptr;
        }
        return E_NOTIMPL;
    }

  private:
    using Items = std::vector<std::wstring>;

    class Guard {
      public:
        explicit Guard(CRITICAL_SECTION& lock) : lock_(lock) { EnterCriticalSection(&lock_); }
        ~Guard() { LeaveCriticalSection(&lock_); }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

      private:
        CRITICAL_SECTION& lock_;
    };

    Items Listing(const std::wstring& typed) const {
        Win32InstallRecords records;
        const std::optional<std::wstring> folder = FolderToList(typed, records);
        if (!folder) {
            return {};
        }
        CompletionList list(kind_, *folder);
        WIN32_FIND_DATAW entry{};
        std::wstring pattern = *folder;
        pattern += L'*';
        const ScopedFind found(FindFirstFileW(pattern.c_str(), &entry));
        if (!found.valid()) {
            return {};
        }
        bool more = true;
        while (more) {
            const DWORD attributes = entry.dwFileAttributes;
            more = list.Take(entry.cFileName, (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                             (attributes & FILE_ATTRIBUTE_HIDDEN) != 0) &&
                   FindNextFileW(found.get(), &entry);
        }
        return list.Items();
    }

    const CompletionKind kind_;
    std::atomic<ULONG> references_{1};
    CRITICAL_SECTION lock_;
    Items items_;
    std::size_t next_ = 0;
};

}  // namespace

bool ComFromFirstUse::Start() {
    if (!com_) {
        com_.emplace();
    }
    return !com_->Failed();
}

bool PathCompletion::TakeKey(MSG& message) {
    if (!started_) {
        started_ = true;
        Start(message.hwnd);
    }
    if ((message.wParam != VK_ESCAPE && message.wParam != VK_RETURN) || !dropDown_.valid()) {
        return false;
    }
    DWORD status = 0;
    // The highlighted text is not used; the documentation does not say that null may stand for it.
    ScopedTaskMemory<LPWSTR> highlighted;
    if (FAILED(dropDown_.get()->GetDropDownStatus(&status, highlighted.receive())) ||
        (status & ACDD_VISIBLE) == 0) {
        return false;
    }
    // The list closes on Esc, and on Enter takes the highlighted suggestion into the box. The key
    // goes untranslated: a character after it would call the list up again.
    DispatchMessageW(&message);
    return true;
}

// A system without the autocomplete object, or without COM, leaves the box as it was: typing
// works as before, only without suggestions.
void PathCompletion::Start(HWND box) {
    if (!com_.Start()) {
        return;
    }
    // Listing a drive without a disk must not stop typing with the system's "No disk" box.
    KeepDriveErrorsQuiet();
    ScopedCom<IAutoComplete2> autoComplete;
    if (FAILED(CoCreateInstance(kAutoCompleteClass, nullptr, CLSCTX_INPROC_SERVER,
                                __uuidof(IAutoComplete2),
                                reinterpret_cast<void**>(autoComplete.receive())))) {
        return;
    }
    const ScopedCom<IEnumString> suggestions(new FolderSuggestions(kind_));
    // Suggestions only: what is typed or pasted is exactly what the box holds.
    autoComplete.get()->SetOptions(ACO_AUTOSUGGEST);
    if (FAILED(autoComplete.get()->Init(box, suggestions.get(), nullptr, nullptr))) {
        return;
    }
    autoComplete.get()->QueryInterface(__uuidof(IAutoCompleteDropDown),
                                       reinterpret_cast<void**>(dropDown_.receive()));
}

}  // namespace tarvane
