#pragma once
// The archive tool may be an older program that reads its arguments through the ANSI code page,
// where a character the code page lacks arrives as "?". Paths are therefore passed in a form such
// a tool can open where one exists: the short form names the same file or folder, so a Unicode
// tool is served just as well.
#include <string>

namespace tarvane {

// What the platform knows of paths and the ANSI code page, through which older programs read
// their arguments.
class PathForms {
  public:
    virtual ~PathForms() = default;
    // True when the ANSI code page holds text exactly, without best-fit look-alikes.
    virtual bool FitsAnsiCodePage(const std::wstring& text) = 0;
    // The short form of an existing file or folder's path; "" when none can be had.
    virtual std::wstring ShortForm(const std::wstring& path) = 0;
};

// The tool's command line. The archive and the output folder each stay as typed when they fit the
// ANSI code page, else take their short form when that fits; an output folder that does not exist
// yet may take the short form of its longest existing parent followed by the names below it.
// Where no fitting form exists, or the forms would not fit on one command line, the path goes as
// typed.
std::wstring ExtractCommandForAnsiTools(PathForms& forms, const std::wstring& toolPath,
                                        const std::wstring& archivePath,
                                        const std::wstring& outputFolder);

}  // namespace tarvane
