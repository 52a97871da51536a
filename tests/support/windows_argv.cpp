#include "support/windows_argv.h"

namespace tarvane::testing {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// The program name: up to the closing quote if it starts with one, else up to the first blank.
// Backslashes mean nothing here.
std::size_t ParseProgramName(const std::wstring& line, std::vector<std::wstring>& argv) {
    std::size_t i = 0;
    std::wstring name;
    if (!line.empty() && line[0] == L'"') {
        for (i = 1; i < line.size() && line[i] != L'"'; ++i) {
            name += line[i];
        }
        if (i < line.size()) {
            ++i;
        }
    } else {
        for (; i < line.size() && !IsBlank(line[i]); ++i) {
            name += line[i];
        }
    }
    argv.push_back(name);
    return i;
}

}  // namespace

std::vector<std::wstring> ParseWindowsCommandLine(const std::wstring& line) {
    std::vector<std::wstring> argv;
    std::size_t i = ParseProgramName(line, argv);
    while (true) {
        while (i < line.size() && IsBlank(line[i])) {
            ++i;
        }
        if (i >= line.size()) {
            return argv;
        }
        std::wstring argument;
        bool quoted = false;
        while (i < line.size() && (quoted || !IsBlank(line[i]))) {
            std::size_t backslashes = 0;
            while (i < line.size() && line[i] == L'\\') {
                ++backslashes;
                ++i;
            }
            if (i < line.size() && line[i] == L'"') {
                argument.append(backslashes / 2, L'\\');
                if (backslashes % 2 == 1) {
                    argument += L'"';
                } else if (quoted && i + 1 < line.size() && line[i + 1] == L'"') {
                    argument += L'"';  // "" inside quotes stands for one quote
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                argument.append(backslashes, L'\\');
                if (i < line.size() && (quoted || !IsBlank(line[i]))) {
                    argument += line[i++];
                }
            }
        }
        argv.push_back(argument);
    }
}

}  // namespace tarvane::testing
