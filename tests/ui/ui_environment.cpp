#include "ui/ui_environment.h"

#include "startup/ini_location_win32.h"
#include "support/win32_files.h"
#include "support/window_driving_win32.h"

namespace tarvane::testing {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kLogPixels[] = L"LogPixels";

std::optional<DWORD> LogPixels() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD dpi = 0;
    DWORD size = sizeof(dpi);
    const LONG read =
        RegQueryValueExW(key, kLogPixels, nullptr, &type, reinterpret_cast<BYTE*>(&dpi), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS || type != REG_DWORD) {
        return std::nullopt;
    }
    return dpi;
}

void SetLogPixels(const std::optional<DWORD>& dpi) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        FailDriving(L"cannot open the display settings");
    }
    if (dpi) {
        RegSetValueExW(key, kLogPixels, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*dpi),
                       sizeof(DWORD));
    } else {
        RegDeleteValueW(key, kLogPixels);
    }
    RegCloseKey(key);
}

constexpr REGSAM kView32 = KEY_WOW64_32KEY;

// A key in the 32-bit view of HKEY_LOCAL_MACHINE; nullptr when it is not there.
HKEY OpenMachineKey32(const wchar_t* path, REGSAM access) {
    HKEY key = nullptr;
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, access | kView32, &key) == ERROR_SUCCESS
               ? key
               : nullptr;
}

void DeleteSubkey(const wchar_t* parent, const wchar_t* name) {
    if (HKEY key = OpenMachineKey32(parent, DELETE | KEY_ENUMERATE_SUB_KEYS)) {
        RegDeleteKeyW(key, name);
        RegCloseKey(key);
    }
}

}  // namespace

RecordedGameFolder::RecordedGameFolder(const std::wstring& folder) {
    if (HKEY company = OpenMachineKey32(L"SOFTWARE\\THQ", KEY_QUERY_VALUE)) {
        RegCloseKey(company);
    } else {
        madeCompany_ = true;
    }
    HKEY game = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\THQ\\Company of Heroes", 0, nullptr, 0,
                        KEY_SET_VALUE | KEY_QUERY_VALUE | kView32, nullptr, &game,
                        &disposition) != ERROR_SUCCESS) {
        FailDriving(L"cannot make the game's registry key");
    }
    madeGame_ = disposition == REG_CREATED_NEW_KEY;
    const bool free =
        RegQueryValueExW(game, L"InstallDir", nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS;
    const LONG set = free
                         ? RegSetValueExW(game, L"InstallDir", 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(folder.c_str()),
                                          static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)))
                         : ERROR_ALREADY_EXISTS;
    RegCloseKey(game);
    if (set != ERROR_SUCCESS) {
        FailDriving(L"cannot record the game's folder in the registry");
    }
}

RecordedGameFolder::~RecordedGameFolder() {
    if (HKEY game = OpenMachineKey32(L"SOFTWARE\\THQ\\Company of Heroes", KEY_SET_VALUE)) {
        RegDeleteValueW(game, L"InstallDir");
        RegCloseKey(game);
    }
    if (madeGame_) {
        DeleteSubkey(L"SOFTWARE\\THQ", L"Company of Heroes");
    }
    if (madeCompany_) {
        DeleteSubkey(L"SOFTWARE", L"THQ");
    }
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
