#pragma once
#include "settings/file_owner.h"

namespace tarvane {

// A file's owner as its security descriptor records it, beside the user of this process's token.
class Win32FileOwners final : public FileOwners {
  public:
    std::optional<FileOwnership> OwnerOf(const std::wstring& path) override;
};

}  // namespace tarvane
