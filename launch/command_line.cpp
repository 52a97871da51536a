#include "launch/command_line.h"

namespace tarvane {

std::wstring QuoteProgramPath(const std::wstring& path) { return L"\"" + path + L"\""; }

std::wstring QuoteArgument(const std::wstring& text) {
    std::wstring quoted = L"\"";
    std::size_t pendingBackslashes = 0;
    for (const wchar_t c : text) {
        if (c == L'\\') {
            ++pendingBackslashes;
            continue;
        }
        if (c == L'"') {
            // 2n backslashes stand for n; the odd one makes the quote literal.
            quoted.append(2 * pendingBackslashes + 1, L'\\');
        } else {
            quoted.append(pendingBackslashes, L'\\');
        }
        pendingBackslashes = 0;
        quoted += c;
    }
    quoted.append(2 * pendingBackslashes, L'\\');
    quoted += L'"';
    return quoted;
}

bool FitsCommandLineLimit(const std::wstring& commandLine) {
    return commandLine.size() < kMaxCommandLineChars;
}

std::wstring ExtractCommand(const std::wstring& toolPath, const std::wstring& archivePath,
                            const std::wstring& outputFolder) {
    return QuoteProgramPath(toolPath) + L" -a " + QuoteArgument(archivePath) + L" -e " +
           QuoteArgument(outputFolder);
}

}  // namespace tarvane
