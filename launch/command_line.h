#pragma once
// Building the archive tool's command line so that the tool's own argument parser (the usual
// Windows rules) gets back exactly the strings the user chose.
#include <cstddef>
#include <string>

namespace tarvane {

// The program's own path is taken literally up to the closing quote, so it only needs the quotes
// that stop Windows from trying "C:\Program.exe" for "C:\Program Files\...".
std::wstring QuoteProgramPath(const std::wstring& path);

// One argument inside double quotes; backslashes before a quote (the closing one included) are
// doubled and inner quotes escaped, so "D:\" arrives as D:\ rather than D:" and the rest.
std::wstring QuoteArgument(const std::wstring& text);

// The longest command line Windows starts, its terminating NUL included.
inline constexpr std::size_t kMaxCommandLineChars = 32767;

bool FitsCommandLineLimit(const std::wstring& commandLine);

// The tool, "-a" with the archive and "-e" with the output folder.
std::wstring ExtractCommand(const std::wstring& toolPath, const std::wstring& archivePath,
                            const std::wstring& outputFolder);

}  // namespace tarvane
