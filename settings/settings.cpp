#include "settings/settings.h"

namespace tarvane {
namespace {

// Another copy of the program may store its own value between our write and our read-back; a few
// more rounds let the last store win instead of calling that a failure.
constexpr int kStoreAttempts = 4;

// Hand-edited values may be longer than anything the program writes: read them whole so that
// putting one back loses nothing.
constexpr std::size_t kWholeValueChars = 32768;

constexpr wchar_t kNotKeptReason[] =
    L"The settings file could not keep this path exactly, so the previous value was kept.";

enum class StoreOutcome { Kept, WriteFailed, NotKept };

StoreOutcome WriteAndConfirm(ProfileStore& store, const std::wstring& section,
                             const std::wstring& key, const std::wstring& value,
                             std::wstring& platformReason) {
    for (int attempt = 1; attempt <= kStoreAttempts; ++attempt) {
        const ProfileWrite written = store.Write(section, key, value);
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

}  // namespace

std::wstring ReadIniValue(ProfileStore& store, const std::wstring& section,
                          const std::wstring& key) {
    std::wstring value = store.Read(section, key, kReadBufferChars);
    if (value.size() <= 1) {
        return L"";
    }
    return value;
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
    const std::wstring previous = store.Read(section, key, kWholeValueChars);
    std::wstring platformReason;
    switch (WriteAndConfirm(store, section, key, value, platformReason)) {
        case StoreOutcome::Kept:
            return {WriteStatus::Written, L""};
        case StoreOutcome::WriteFailed:
            return {WriteStatus::Failed, platformReason};
        case StoreOutcome::NotKept:
            break;
    }
    store.Write(section, key, previous);
    return {WriteStatus::Failed, kNotKeptReason};
}

}  // namespace tarvane
