#include "settings/settings.h"

namespace tarvane {

std::wstring ReadIniValue(ProfileStore& store, const std::wstring& section,
                          const std::wstring& key) {
    std::wstring value = store.Read(section, key, kReadBufferChars);
    if (value.size() <= 1) {
        return L"";
    }
    return value;
}

WriteResult WriteIniValue(ProfileStore& store, MessageBoxes& boxes, const std::wstring& section,
                          const std::wstring& key, const std::wstring& value) {
    if (key.size() > MaxIniFieldChars || value.size() > MaxIniFieldChars) {
        boxes.Show(TooLongMessage());
        return {WriteStatus::TooLong, L""};
    }
    ProfileWrite written = store.Write(section, key, value);
    if (!written.ok) {
        return {WriteStatus::Failed, written.reason};
    }
    return {WriteStatus::Written, L""};
}

Message TooLongMessage() {
    return Message{L"Can't write more than " + std::to_wstring(MaxIniFieldChars) +
                       L" characters for key or value.",
                   L"tarvane", Buttons::Ok, Icon::None};
}

}  // namespace tarvane
