#include "settings/settings.h"

namespace tarvane {
namespace {

// Another copy of the program may store its own value between our write and our read-back; a few
// more rounds let the last store win instead of calling that a failure.
constexpr int kStoreAttempts = 4;

// Hand-edited values may be longer than anything the program writes: read them whole so that
// putting one back loses nothing.
constexpr std::size_t kWholeValueChars = 32768;

// Another copy replaces the file in well under this: 8 pauses of 25 ms.
constexpr int kRereadPauses = 8;
constexpr unsigned kRereadPauseMs = 25;

constexpr wchar_t kPreviousKept[] =
    L"The settings file could not keep this path exactly, so the previous value was kept.";
constexpr wchar_t kNoneKept[] =
    L"The settings file could not keep this path exactly, so it was removed again and no path "
    L"is set.";
constexpr wchar_t kPreviousUnknown[] =
    L"The settings file could not keep this path exactly, and its previous value could not be "
    L"read, so nothing was put back. Please set the path again.";
constexpr wchar_t kPreviousLost[] =
    L"The settings file could not keep this path exactly, and its previous value could not be "
    L"put back. Please set the path again.";

enum class StoreOutcome { Kept, WriteFailed, NotKept };

StoreOutcome WriteAndConfirm(ProfileStore& store, const std::wstring& section,
                             const std::wstring& key, const std::wstring& value,
                             std::wstring& platformReason) {
    for (int attempt = 1; attempt <= kStoreAttempts; ++attempt) {
        const Outcome written = store.Write(section, key, value);
        if (!written.ok) {
            platformReason = written.reason;
            return StoreOutcome::WriteFailed;
        }
        if (store.Read(section, key, kWholeValueChars) == ProfileReading(value)) {
            return StoreOutcome::Kept;
        }
    }
    return StoreOutcome::NotKept;
}

// Puts the key back as it was read before the store and says what became of it: a value that
// could not be kept must never stay in its place unannounced.
std::wstring PutBack(ProfileStore& store, const std::wstring& section, const std::wstring& key,
                     const IniRead& previous) {
    if (previous.status == ReadStatus::Unreadable) {
        return kPreviousUnknown;
    }
    const bool hadValue = previous.status == ReadStatus::Value;
    const Outcome restored =
        hadValue ? store.Write(section, key, previous.value) : store.Delete(section, key);
    if (!restored.ok || store.Read(section, key, kWholeValueChars) != previous.value) {
        return kPreviousLost;
    }
    return hadValue ? kPreviousKept : kNoneKept;
}

// This copy's turn to store, for as long as it lives.
class StoreTurnScope {
  public:
    explicit StoreTurnScope(ProfileStore& store) : store_(store) { store_.BeginStore(); }
    ~StoreTurnScope() { store_.EndStore(); }
    StoreTurnScope(const StoreTurnScope&) = delete;
    StoreTurnScope& operator=(const StoreTurnScope&) = delete;

  private:
    ProfileStore& store_;
};

std::wstring NotSetWhenShort(std::wstring value) { return value.size() <= 1 ? L"" : value; }

}  // namespace

std::wstring ReadIniValue(ProfileStore& store, const std::wstring& section,
                          const std::wstring& key) {
    return NotSetWhenShort(store.Read(section, key, kReadBufferChars));
}

std::wstring ReadIniValueSettled(SettingsFile& file, const std::wstring& section,
                                 const std::wstring& key) {
    for (int pauses = 0;; ++pauses) {
        const IniRead read = ReadIniEntry(file, section, key, kReadBufferChars);
        const bool mayBeReplaced =
            read.status == ReadStatus::FileMissing || read.status == ReadStatus::Unreadable;
        if (!mayBeReplaced || pauses == kRereadPauses) {
            return NotSetWhenShort(read.value);
        }
        file.Pause(kRereadPauseMs);
    }
}

IniRead ReadIniEntry(ProfileStore& store, const std::wstring& section, const std::wstring& key,
                     std::size_t bufferChars) {
    std::wstring value = store.Read(section, key, bufferChars);
    if (!value.empty()) {
        return {ReadStatus::Value, std::move(value)};
    }
    switch (store.Access()) {
        case FileAccess::Readable:
            break;
        case FileAccess::Missing:
            return {ReadStatus::FileMissing, L""};
        case FileAccess::Unreadable:
            return {ReadStatus::Unreadable, L""};
    }
    return {ReadStatus::NotSet, L""};
}

std::wstring ProfileReading(const std::wstring& stored) {
    const bool enclosed = stored.size() >= 2 &&
                          (stored.front() == L'"' || stored.front() == L'\'') &&
                          stored.back() == stored.front();
    return enclosed ? stored.substr(1, stored.size() - 2) : stored;
}

WriteResult WriteIniValue(ProfileStore& store, const std::wstring& section, const std::wstring& key,
                          const std::wstring& value) {
    if (key.size() > MaxIniFieldChars || value.size() > MaxIniFieldChars) {
        return {WriteStatus::TooLong, L""};
    }
    const StoreTurnScope turn(store);
    const IniRead previous = ReadIniEntry(store, section, key, kWholeValueChars);
    std::wstring platformReason;
    switch (WriteAndConfirm(store, section, key, value, platformReason)) {
        case StoreOutcome::Kept:
            return {WriteStatus::Written, L""};
        case StoreOutcome::WriteFailed:
            return {WriteStatus::Failed, platformReason};
        case StoreOutcome::NotKept:
            break;
    }
    return {WriteStatus::Failed, PutBack(store, section, key, previous)};
}

}  // namespace tarvane
