#include "settings/file_owner_win32.h"

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include <vector>

namespace tarvane {
namespace {

std::wstring SidText(PSID sid) {
    wchar_t* text = nullptr;
    if (!ConvertSidToStringSidW(sid, &text)) {
        return L"";
    }
    std::wstring converted(text);
    LocalFree(text);
    return converted;
}

// An account that no longer exists is shown by its identifier, which is all Windows knows of it.
std::wstring AccountName(PSID sid) {
    wchar_t name[256];
    wchar_t domain[256];
    DWORD nameChars = 256;
    DWORD domainChars = 256;
    SID_NAME_USE use{};
    if (!LookupAccountSidW(nullptr, sid, name, &nameChars, domain, &domainChars, &use)) {
        return SidText(sid);
    }
    return domainChars > 0 ? std::wstring(domain) + L"\\" + name : std::wstring(name);
}

std::wstring CurrentUserSid() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return L"";
    }
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<TOKEN_USER> user(size / sizeof(TOKEN_USER) + 1);
    std::wstring sid;
    if (GetTokenInformation(token, TokenUser, user.data(),
                            static_cast<DWORD>(user.size() * sizeof(TOKEN_USER)), &size)) {
        sid = SidText(user.front().User.Sid);
    }
    CloseHandle(token);
    return sid;
}

}  // namespace

std::optional<FileOwnership> Win32FileOwners::OwnerOf(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), READ_CONTROL,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const DWORD error = GetSecurityInfo(file, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner,
                                        nullptr, nullptr, nullptr, &descriptor);
    CloseHandle(file);
    std::optional<FileOwnership> found;
    if (error == ERROR_SUCCESS && owner != nullptr) {
        found = FileOwnership{SidText(owner), L"", CurrentUserSid()};
        if (found->ownerSid.empty()) {
            found.reset();
        } else if (OwnedByAnotherUser(*found)) {
            // Naming an account can ask a domain controller: only for the question that shows it.
            found->ownerAccount = AccountName(owner);
        }
    }
    LocalFree(descriptor);
    return found;
}

}  // namespace tarvane
