// For any archive and output folder the Process check lets through (no double quote, as no Windows
// path holds one), the tool's argument parser must get back exactly what went in.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/windows_argv.h"
#include "launch/command_line.h"

namespace {

// A double quote ends a piece. A byte below 0x80 is that character; a byte from 0x80 up takes the
// next two bytes as one UTF-16 code unit (surrogates included), so the fuzzer reaches any text a
// text box can hold. NUL is dropped: a text box stops at it, and so does the platform's command
// line.
std::vector<std::wstring> SplitIntoPieces(const std::uint8_t* data, std::size_t size) {
    std::vector<std::wstring> pieces(1);
    for (std::size_t i = 0; i < size; ++i) {
        wchar_t c = static_cast<wchar_t>(data[i]);
        if (data[i] >= 0x80 && i + 2 < size) {
            c = static_cast<wchar_t>(data[i + 1] | (data[i + 2] << 8));
            i += 2;
        }
        if (c == L'"') {
            pieces.emplace_back();
        } else if (c != L'\0') {
            pieces.back() += c;
        }
    }
    return pieces;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::wstring> pieces = SplitIntoPieces(data, size);
    const std::wstring& archive = pieces[0];
    const std::wstring folder = pieces.size() > 1 ? pieces[1] : L"C:\\Out\\";
    // Anything after the second quote is the tool's path, its own quotes dropped.
    std::wstring tool = L"C:\\Program Files\\THQ\\Company of Heroes\\Archive.exe";
    if (pieces.size() > 2) {
        tool.clear();
        for (std::size_t i = 2; i < pieces.size(); ++i) {
            tool += pieces[i];
        }
    }
    const std::vector<std::wstring> expected{tool, L"-a", archive, L"-e", folder};
    if (tarvane::testing::ParseWindowsCommandLine(tarvane::ExtractCommand(tool, archive, folder)) !=
        expected) {
        std::abort();
    }
    return 0;
}
