#pragma once
// One shared set of test doubles for what the portable core talks to: the window's text boxes, the
// file dialog, the folder browser, message boxes, the settings file, the launcher and the start-up
// platform. Every fake writes each request it gets into one CallLog, in order, so a test can see
// which inputs an action read, what it changed and in which order; each answers what the test
// scripted beforehand.
#include <algorithm>
#include <cstddef>
#include <deque>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "settings/file_owner.h"
#include "settings/settings.h"
#include "shell/file_dialog.h"
#include "shell/folder_browser.h"
#include "startup/component.h"
#include "ui/game_folder.h"
#include "support/printable.h"
#include "ui/main_context.h"
#include "ui/message.h"

namespace tarvane {

using testing::Printable;

inline std::ostream& operator<<(std::ostream& out, const Message& message) {
    return out << "{text \"" << Printable(message.text) << "\", title \""
               << Printable(message.title) << "\", buttons " << static_cast<int>(message.buttons)
               << ", icon " << static_cast<int>(message.icon) << "}";
}

inline bool operator==(const OpenFileRequest& a, const OpenFileRequest& b) {
    return a.title == b.title && a.initialFolder == b.initialFolder && a.filter == b.filter;
}

inline std::ostream& operator<<(std::ostream& out, const OpenFileRequest& request) {
    return out << "{title \"" << Printable(request.title) << "\", folder \""
               << Printable(request.initialFolder) << "\", filter \"" << Printable(request.filter)
               << "\"}";
}

}  // namespace tarvane

namespace tarvane::testing {

// The next of the answers a test scripted, in turn; none when they are used up.
template <typename T>
T NextAnswer(std::deque<T>& answers, T none) {
    if (answers.empty()) {
        return none;
    }
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

struct Call {
    std::string what;
    std::wstring detail;

    bool operator==(const Call&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Call& call) {
    return out << call.what << "(" << Printable(call.detail) << ")";
}

class CallLog {
  public:
    void Add(std::string what, std::wstring detail = L"") {
        calls_.push_back({std::move(what), std::move(detail)});
    }
    const std::vector<Call>& Calls() const { return calls_; }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const Call& call : calls_) {
            names.push_back(call.what);
        }
        return names;
    }
    std::size_t Count(const std::string& what) const {
        std::size_t count = 0;
        for (const Call& call : calls_) {
            count += call.what == what ? 1 : 0;
        }
        return count;
    }
    bool Contains(const std::string& what) const { return Count(what) > 0; }
    bool Contains(const Call& call) const {
        return std::find(calls_.begin(), calls_.end(), call) != calls_.end();
    }
    // The details of every call of this name, in order.
    std::vector<std::wstring> Details(const std::string& what) const {
        std::vector<std::wstring> details;
        for (const Call& call : calls_) {
            if (call.what == what) {
                details.push_back(call.detail);
            }
        }
        return details;
    }
    void Clear() { calls_.clear(); }

  private:
    std::vector<Call> calls_;
};

// The settings file as the platform's profile functions present it: the test stores raw text as
// an editor would see it in the file, and Read answers as GetPrivateProfileString does, dropping
// one enclosing pair of quotation marks and copying at most bufferChars - 1 characters.
class FakeSettings final : public SettingsFile {
  public:
    explicit FakeSettings(CallLog& log) : log_(log) {}

    void Store(const std::wstring& section, const std::wstring& key, const std::wstring& raw) {
        values_[{section, key}] = raw;
    }
    void StoreArchiveTool(const std::wstring& raw) { Store(kPathsSection, kArchiveKey, raw); }
    std::optional<std::wstring> Raw(const std::wstring& section, const std::wstring& key) const {
        const auto found = values_.find({section, key});
        return found == values_.end() ? std::nullopt : std::optional(found->second);
    }
    std::optional<std::wstring> ArchiveToolRaw() const { return Raw(kPathsSection, kArchiveKey); }
    // Every later write fails with the platform's words.
    void FailWrites(std::wstring reason) { failReason_ = std::move(reason); }
    // Like an ANSI file: every later write turns characters outside ASCII into question marks.
    void KeepOnlyAscii() { keepOnlyAscii_ = true; }
    // Another copy of the program stores its own tool path right after the next `writes` writes.
    void AfterWrites(int writes, std::wstring othersValue) {
        writesBeforeOthers_ = writes;
        othersValue_ = std::move(othersValue);
    }
    // Another program holds the file, as a copy replacing it does, for the next `reads` reads:
    // each reads empty, as the profile reader answers then, and the file cannot be opened.
    void HeldForReads(int reads) { heldReads_ = reads; }

    std::wstring Read(const std::wstring& section, const std::wstring& key,
                      std::size_t bufferChars) override {
        log_.Add("Settings.Read", section + L"/" + key);
        held_ = heldReads_ > 0;
        if (held_) {
            --heldReads_;
            return L"";
        }
        const std::optional<std::wstring> raw = Raw(section, key);
        if (!raw || bufferChars == 0) {
            return L"";
        }
        return ProfileReading(*raw).substr(0, bufferChars - 1);
    }
    Outcome Write(const std::wstring& section, const std::wstring& key,
                  const std::wstring& value) override {
        log_.Add("Settings.Write", section + L"/" + key + L"=" + value);
        if (failReason_) {
            return {false, *failReason_};
        }
        Store(section, key, keepOnlyAscii_ ? AsAnsiFile(value) : value);
        if (--writesBeforeOthers_ == 0) {
            StoreArchiveTool(othersValue_);
        }
        return {true, L""};
    }
    Outcome Delete(const std::wstring& section, const std::wstring& key) override {
        log_.Add("Settings.Delete", section + L"/" + key);
        values_.erase({section, key});
        return {true, L""};
    }
    FileAccess Access() override { return held_ ? FileAccess::Unreadable : FileAccess::Readable; }
    void BeginStore() override { log_.Add("Settings.BeginStore"); }
    void EndStore() override { log_.Add("Settings.EndStore"); }
    std::wstring Location() const override { return L"C:\\ProgramData\\tarvane.ini"; }
    void Pause(unsigned milliseconds) override {
        log_.Add("Settings.Pause");
        pausedMs += milliseconds;
    }

    unsigned pausedMs = 0;

  private:
    static std::wstring AsAnsiFile(std::wstring value) {
        for (wchar_t& c : value) {
            c = c < 0x80 ? c : L'?';
        }
        return value;
    }

    CallLog& log_;
    std::map<std::pair<std::wstring, std::wstring>, std::wstring> values_;
    std::optional<std::wstring> failReason_;
    bool keepOnlyAscii_ = false;
    int writesBeforeOthers_ = 0;
    std::wstring othersValue_;
    int heldReads_ = 0;
    bool held_ = false;
};

// The two text boxes; their contents are public so a test can type into them and look at them.
class FakeView final : public MainView {
  public:
    explicit FakeView(CallLog& log) : log_(log) {}

    std::wstring ArchiveText() const override {
        log_.Add("View.ArchiveText");
        return archive;
    }
    void SetArchiveText(const std::wstring& text) override {
        log_.Add("View.SetArchiveText", text);
        archive = text;
    }
    std::wstring OutputText() const override {
        log_.Add("View.OutputText");
        return output;
    }
    void SetOutputText(const std::wstring& text) override {
        log_.Add("View.SetOutputText", text);
        output = text;
    }

    // What the user typed into the two boxes before the action.
    void Type(std::wstring typedArchive, std::wstring typedOutput) {
        archive = std::move(typedArchive);
        output = std::move(typedOutput);
    }

    std::wstring archive;
    std::wstring output;

  private:
    CallLog& log_;
};

// The user in front of the file-open dialog: answers in turn, a cancel when none is left. Each
// request is kept for the test to read, and logged under its title.
class FakeFileDialog final : public OpenFilePrompt {
  public:
    explicit FakeFileDialog(CallLog& log) : log_(log) {}

    void WillChoose(std::wstring path) {
        answers_.push_back(DialogAnswer::Chosen(std::move(path)));
    }
    void WillCancel() { answers_.push_back(DialogAnswer::Cancelled()); }
    // The dialog cannot be shown, for this reason.
    void WillFail(std::wstring reason) {
        answers_.push_back(DialogAnswer::Failed(std::move(reason)));
    }

    DialogAnswer Ask(const OpenFileRequest& request) override {
        log_.Add("Dialog.Ask", request.title);
        requests.push_back(request);
        return NextAnswer(answers_, DialogAnswer::Cancelled());
    }

    std::vector<OpenFileRequest> requests;

  private:
    CallLog& log_;
    std::deque<DialogAnswer> answers_;
};

// The shell's folder browser: answers in turn, a cancel when none is left. Each browse is logged
// under its title, and the folder it was to select first kept for the test to read.
class FakeFolderBrowser final : public FolderBrowser {
  public:
    explicit FakeFolderBrowser(CallLog& log) : log_(log) {}

    void WillChoose(std::wstring folder) {
        answers_.push_back(DialogAnswer::Chosen(std::move(folder)));
    }
    void WillCancel() { answers_.push_back(DialogAnswer::Cancelled()); }
    void WillFindPathTooLong(std::wstring shownName) {
        answers_.push_back(DialogAnswer::PathTooLong(std::move(shownName)));
    }
    void WillFail(std::wstring reason) {
        answers_.push_back(DialogAnswer::Failed(std::move(reason)));
    }

    DialogAnswer BrowseForFolder(const std::wstring& title,
                                 const std::wstring& firstSelection) override {
        log_.Add("Folders.BrowseForFolder", title);
        firstSelections.push_back(firstSelection);
        return NextAnswer(answers_, DialogAnswer::Cancelled());
    }

    std::vector<std::wstring> firstSelections;

  private:
    CallLog& log_;
    std::deque<DialogAnswer> answers_;
};

// Records every box; an OK box answers OK, a Yes/No box answers what the test set.
class FakeMessageBoxes final : public MessageBoxes {
  public:
    explicit FakeMessageBoxes(CallLog& log) : log_(log) {}

    Answer Show(const Message& message) override {
        log_.Add("Boxes.Show", message.text);
        shown.push_back(message);
        return message.buttons == Buttons::YesNo ? answerToQuestions : Answer::Ok;
    }

    Answer answerToQuestions = Answer::No;
    std::vector<Message> shown;

  private:
    CallLog& log_;
};

struct StartedProgram {
    std::wstring program;
    std::wstring commandLine;
};

class FakeLauncher final : public Launcher {
  public:
    explicit FakeLauncher(CallLog& log) : log_(log) {}

    // Every later start fails with the platform's words.
    void FailStarts(std::wstring reason) { failReason_ = std::move(reason); }

    Outcome Start(const std::wstring& program, const std::wstring& commandLine) override {
        log_.Add("Launcher.Start", program);
        started.push_back({program, commandLine});
        if (failReason_) {
            return {false, *failReason_};
        }
        return {true, L""};
    }

    std::vector<StartedProgram> started;

  private:
    CallLog& log_;
    std::optional<std::wstring> failReason_;
};

// Who owns the settings file, as Windows would tell; no owner is one that cannot be read (FAT).
class FakeFileOwners final : public FileOwners {
  public:
    std::optional<FileOwnership> OwnerOf(const std::wstring&) override { return owner; }

    std::optional<FileOwnership> owner;
};

// The platform's view of paths as Windows gives it with code page 1252 (Western European) and
// short names on: only the paths the test made exist, each with the short form it gave.
class FakePathForms final : public PathForms {
  public:
    bool FitsAnsiCodePage(const std::wstring& text) override {
        for (const wchar_t c : text) {
            // ASCII and Latin-1's letters; the rest of 1252 never appears in these tests.
            if (c >= 0x80 && (c < 0xA0 || c > 0xFF)) {
                return false;
            }
        }
        return true;
    }
    std::wstring ShortForm(const std::wstring& path) override {
        const auto found = shortForms.find(path);
        return found == shortForms.end() ? L"" : found->second;
    }

    std::map<std::wstring, std::wstring> shortForms;
};

// The machine's records of the game as a test sets them up: registry values (by root and
// key\name), folders, network drives (by letter), files and text files.
class FakeInstallRecords final : public InstallRecords {
  public:
    explicit FakeInstallRecords(CallLog& log) : log_(log) {}

    std::optional<std::wstring> RegistryText(RegistryRoot root, const wchar_t* key,
                                             const wchar_t* name) override {
        const std::wstring value = key + (L"\\" + std::wstring(name));
        log_.Add("Install.RegistryText", value);
        return Found(registry, {root, value});
    }
    bool FolderExists(const std::wstring& path) override {
        log_.Add("Install.FolderExists", path);
        return folders.count(path) > 0;
    }
    bool IsRemoteDrive(wchar_t drive) override {
        log_.Add("Install.IsRemoteDrive", std::wstring(1, drive));
        return remoteDrives.count(drive) > 0;
    }
    bool FileExists(const std::wstring& path) override {
        log_.Add("Install.FileExists", path);
        return files.count(path) > 0;
    }
    std::optional<std::wstring> ReadTextFile(const std::wstring& path) override {
        log_.Add("Install.ReadTextFile", path);
        return Found(textFiles, path);
    }

    std::map<std::pair<RegistryRoot, std::wstring>, std::wstring> registry;
    std::set<std::wstring> folders;
    std::set<wchar_t> remoteDrives;
    std::set<std::wstring> files;
    std::map<std::wstring, std::wstring> textFiles;

  private:
    template <typename Map>
    static std::optional<std::wstring> Found(const Map& map, const typename Map::key_type& key) {
        const auto found = map.find(key);
        return found == map.end() ? std::nullopt : std::optional(found->second);
    }

    CallLog& log_;
};

// The style of every input error and failure report: OK only, the critical icon, title "Error".
inline bool IsErrorBox(const Message& message) {
    return message.title == L"Error" && message.buttons == Buttons::Ok &&
           message.icon == Icon::Critical;
}

// The window's boxes and the dialogs an action opens, wired to one log.
struct FakeWindowParts {
    CallLog log;
    FakeView view{log};
    FakeFileDialog dialog{log};
    FakeFolderBrowser folders{log};
    FakeMessageBoxes boxes{log};
    FakeInstallRecords install{log};
};

// Everything one action of the main window works with.
struct FakeWindow : FakeWindowParts {
    FakeSettings settings{log};
    FakeLauncher launcher{log};
    FakePathForms paths;
    FakeFileOwners owners;
    ToolApprovals approvals{owners};
    MainContext context{view,     dialog, folders, boxes,    settings,
                        launcher, paths,  install, approvals};
};

// The start-up's view of the machine: the system folder's answers in turn (the last one repeats),
// the plain files that exist, the copy this build carries, and whether a write works.
class FakeComponentPlatform final : public ComponentPlatform {
  public:
    explicit FakeComponentPlatform(CallLog& log) : log_(log) {}

    std::wstring SystemFolder() override {
        log_.Add("Platform.SystemFolder");
        if (systemFolders.empty()) {
            return L"";
        }
        std::wstring answer = systemFolders.front();
        if (systemFolders.size() > 1) {
            systemFolders.pop_front();
        }
        return answer;
    }
    bool PlainFileExists(const std::wstring& path) override {
        log_.Add("Platform.PlainFileExists", path);
        return plainFiles.count(path) > 0;
    }
    std::optional<std::vector<std::byte>> EmbeddedComponent() override {
        log_.Add("Platform.EmbeddedComponent");
        return embedded;
    }
    bool WriteWholeFile(const std::wstring& path, const std::vector<std::byte>& bytes) override {
        log_.Add("Platform.WriteWholeFile", path);
        if (!writeSucceeds) {
            return false;
        }
        written[path] = bytes;
        return true;
    }

    std::deque<std::wstring> systemFolders;
    std::set<std::wstring> plainFiles;
    std::optional<std::vector<std::byte>> embedded;
    bool writeSucceeds = true;
    std::map<std::wstring, std::vector<std::byte>> written;

  private:
    CallLog& log_;
};

}  // namespace tarvane::testing
