#include "ui/ui_environment.h"

#include <utility>

#include "base/scoped_win32.h"
#include "startup/ini_location_win32.h"
#include "support/win32_files.h"
#include "support/window_driving_win32.h"

namespace tarvane::testing {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kLogPixels[] = L"LogPixels";

std::optional<DWORD> LogPixels() {
    ScopedRegistryKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, KEY_QUERY_VALUE, key.receive()) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD dpi = 0;
    DWORD size = sizeof(dpi);
    const LONG read = RegQueryValueExW(key.get(), kLogPixels, nullptr, &type,
                                       reinterpret_cast<BYTE*>(&dpi), &size);
    if (read != ERROR_SUCCESS || type != REG_DWORD) {
        return std::nullopt;
    }
    return dpi;
}

void SetLogPixels(const std::optional<DWORD>& dpi) {
    ScopedRegistryKey key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        key.receive(), nullptr) != ERROR_SUCCESS) {
        FailDriving(L"cannot open the display settings");
    }
    if (dpi) {
        RegSetValueExW(key.get(), kLogPixels, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*dpi),
                       sizeof(DWORD));
    } else {
        RegDeleteValueW(key.get(), kLogPixels);
    }
}

constexpr wchar_t kGameKey[] = L"SOFTWARE\\THQ\\Company of Heroes";

// Opens a key of HKEY_LOCAL_MACHINE's 32-bit view, where a 32-bit installer writes.
ScopedRegistryKey MachineKey32(const wchar_t* path, REGSAM access) {
    ScopedRegistryKey key;
    RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, access | KEY_WOW64_32KEY, key.receive());
    return key;
}

}  // namespace

RecordedGameFolder::RecordedGameFolder(const std::wstring& folder) {
    if (MachineKey32(L"SOFTWARE\\THQ", KEY_QUERY_VALUE).valid()) {
        FailDriving(L"the test system already has a record of the game");
    }
    ScopedRegistryKey game;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kGameKey, 0, nullptr, 0,
                        KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, game.receive(),
                        nullptr) != ERROR_SUCCESS) {
        FailDriving(L"cannot make the game's registry key");
    }
    RegSetValueExW(game.get(), L"InstallDir", 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(folder.c_str()),
                   static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
}

RecordedGameFolder::~RecordedGameFolder() {
    for (const auto& [parent, child] :
         {std::pair{L"SOFTWARE\\THQ", L"Company of Heroes"}, std::pair{L"SOFTWARE", L"THQ"}}) {
        const ScopedRegistryKey key = MachineKey32(parent, DELETE | KEY_ENUMERATE_SUB_KEYS);
        if (key.valid()) {
            RegDeleteKeyW(key.get(), child);
        }
    }
}

ProgramCopy::ProgramCopy(const std::wstring& program, const std::wstring& copyName,
                         const std::vector<DllOverride>& overrides)
    : copyName_(copyName),
      subfolder_(copyName.substr(0, copyName.find_last_of(L'.')) + L"\\"),
      folder_(BuildFolder() + subfolder_),
      cleared_(ScratchFolder::ClearedAt(folder_)),
      overridesKey_(L"Software\\Wine\\AppDefaults\\" + copyName) {
    if (!CreateDirectoryW(folder_.c_str(), nullptr) ||
        !CopyFileW((BuildFolder() + program).c_str(), (folder_ + copyName).c_str(), TRUE)) {
        FailDriving(L"cannot copy " + program + L" to " + folder_);
    }
    // What an earlier run that did not end cleanly may have left.
    RemoveOverrides();
    ScopedRegistryKey key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, (overridesKey_ + L"\\DllOverrides").c_str(), 0, nullptr,
                        0, KEY_SET_VALUE, nullptr, key.receive(), nullptr) != ERROR_SUCCESS) {
        FailDriving(L"cannot make Wine's DLL overrides for " + copyName);
    }
    for (const DllOverride& entry : overrides) {
        RegSetValueExW(key.get(), entry.dll.c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(entry.order.c_str()),
                       static_cast<DWORD>((entry.order.size() + 1) * sizeof(wchar_t)));
    }
}

ProgramCopy::~ProgramCopy() { RemoveOverrides(); }

void ProgramCopy::RemoveOverrides() const {
    RegDeleteKeyW(HKEY_CURRENT_USER, (overridesKey_ + L"\\DllOverrides").c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, overridesKey_.c_str());
}

ScreenDpiSetting::ScreenDpiSetting(DWORD dpi) : saved_(LogPixels()) { SetLogPixels(dpi); }

ScreenDpiSetting::~ScreenDpiSetting() { SetLogPixels(saved_); }

SettingsFileState::SettingsFileState() : path_(IniFilePath()) {
    if (FileExists(path_)) {
        saved_ = ReadWholeFile(path_);
    }
}

SettingsFileState::~SettingsFileState() {
    if (saved_) {
        WriteWholeFile(path_, *saved_);
    } else {
        Remove();
    }
}

void SettingsFileState::Remove() const {
    DeleteFileW(path_.c_str());
    RemoveDirectoryW(path_.c_str());
}

void SettingsFileState::BlockWithFolder() const {
    Remove();
    if (!CreateDirectoryW(path_.c_str(), nullptr)) {
        FailDriving(L"cannot create a folder in place of " + path_);
    }
}

void SettingsFileState::StoreTool(const std::wstring& value) const {
    WriteWholeFile(path_, ToUtf16File(L"[Paths]\r\nArchive=" + value + L"\r\n"));
}

std::optional<std::wstring> SettingsFileState::StoredTool() const {
    if (!FileExists(path_)) {
        return std::nullopt;
    }
    // The program writes its settings as UTF-16; older files are ANSI.
    const std::string bytes = ReadWholeFile(path_);
    const std::wstring text = FromUtf16File(bytes).value_or(FromCodePage(bytes, CP_ACP));
    const std::wstring key = L"Archive=";
    for (std::size_t line = 0; line < text.size();) {
        std::size_t end = text.find_first_of(L"\r\n", line);
        if (end == std::wstring::npos) {
            end = text.size();
        }
        if (text.compare(line, key.size(), key) == 0) {
            return text.substr(line + key.size(), end - line - key.size());
        }
        line = text.find_first_not_of(L"\r\n", end);
        if (line == std::wstring::npos) {
            break;
        }
    }
    return std::nullopt;
}

}  // namespace tarvane::testing
