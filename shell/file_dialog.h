#pragma once
// dlgMain: the one file-open dialog of the main window. Each call site sets its title, first
// folder and file types, shows it, and reads FileName, which changes only when the user confirms
// a file. Confirmed() tells whether the last ShowOpen ended with a choice.
#include <optional>
#include <string>
#include <utility>

namespace tarvane {

class FileDialog {
  public:
    virtual ~FileDialog() = default;
    virtual void SetDialogTitle(const std::wstring& title) = 0;
    virtual void SetInitDir(const std::wstring& folder) = 0;
    // Description and pattern pairs, each part separated by a vertical bar: "Text (*.x)|*.x".
    virtual void SetFilter(const std::wstring& filter) = 0;
    virtual void ShowOpen() = 0;
    virtual std::wstring FileName() const = 0;
    virtual bool Confirmed() const = 0;
};

struct OpenFileRequest {
    std::wstring title;
    std::wstring initialFolder;
    std::wstring filterList;  // the platform's form: parts ended by NUL, the list by one more
};

// The platform's modal file-open dialog: the chosen file, or nothing when cancelled.
class OpenFilePrompt {
  public:
    virtual ~OpenFilePrompt() = default;
    virtual std::optional<std::wstring> Ask(const OpenFileRequest& request) = 0;
};

// "a|b|c|d" becomes "a\0b\0c\0d\0\0".
std::wstring ToFilterList(const std::wstring& barSeparated);

class CommonDialog final : public FileDialog {
  public:
    // fileName: the file confirmed in an earlier use of the same dialog, which FileName keeps
    // until the user confirms another.
    explicit CommonDialog(OpenFilePrompt& prompt, std::wstring fileName = L"")
        : prompt_(prompt), fileName_(std::move(fileName)) {}

    void SetDialogTitle(const std::wstring& title) override { request_.title = title; }
    void SetInitDir(const std::wstring& folder) override { request_.initialFolder = folder; }
    void SetFilter(const std::wstring& filter) override;
    void ShowOpen() override;
    std::wstring FileName() const override { return fileName_; }
    bool Confirmed() const override { return confirmed_; }

  private:
    OpenFilePrompt& prompt_;
    OpenFileRequest request_;
    std::wstring fileName_;
    bool confirmed_ = false;
};

}  // namespace tarvane
