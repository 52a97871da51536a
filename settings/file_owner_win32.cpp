#include "settings/file_owner_win32.h"

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include "base/scoped_win32.h"
#include "base/whole_file_win32.h"

namespace tarvane {
namespace {

std::wstring SidText(PSID sid) {
    ScopedLocalMemory<wchar_t*> text;
    if (!ConvertSidToStringSidW(sid, text.receive())) {
        return L"";
    }
    return text.get();
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
    std::wstring account(domain);
    if (!account.empty()) {
        account += L'\\';
    }
    account += name;
    return account;
}

std::wstring CurrentUserSid() {
    ScopedKernelObject token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.receive())) {
        return L"";
    }
    // A SID has at most 15 sub-authorities: the user and its SID fit here whoever the user is.
    union {
        TOKEN_USER user;
        BYTE bytes[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE];
    } buffer;
    DWORD size = 0;
    if (!GetTokenInformation(token.get(), TokenUser, &buffer, sizeof(buffer), &size)) {
        return L"";
    }
    return SidText(buffer.user.User.Sid);
}

}  // namespace

std::optional<FileOwnership> Win32FileOwners::OwnerOf(const std::wstring& path) {
    PSID owner = nullptr;
    ScopedLocalMemory<PSECURITY_DESCRIPTOR> descriptor;
    DWORD error = ERROR_SUCCESS;
    {
        const ScopedFile file(OpenSharedToRead(path, READ_CONTROL));
        if (!file.valid()) {
            return std::nullopt;
        }
        error = GetSecurityInfo(file.get(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner,
                                nullptr, nullptr, nullptr, descriptor.receive());
    }
    FileOwnership found;
    if (error == ERROR_SUCCESS && owner != nullptr) {
        found.ownerSid = SidText(owner);
        found.currentUserSid = CurrentUserSid();
        // Naming an account can ask a domain controller: only for the question that shows it.
        if (!found.ownerSid.empty() && OwnedByAnotherUser(found)) {
            found.ownerAccount = AccountName(owner);
        }
    }
    if (found.ownerSid.empty()) {
        return std::nullopt;
    }
    return found;
}

}  // namespace tarvane
