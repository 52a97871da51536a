#include "shell/file_dialog.h"

namespace tarvane {
namespace {

struct CommonDialogError {
    unsigned long code;
    const wchar_t* name;
};

// The codes that the open-file dialog can report, as cderr.h names them.
constexpr CommonDialogError kCommonDialogErrors[] = {
    {0x0001, L"CDERR_STRUCTSIZE"},      {0x0002, L"CDERR_INITIALIZATION"},
    {0x0003, L"CDERR_NOTEMPLATE"},      {0x0004, L"CDERR_NOHINSTANCE"},
    {0x0005, L"CDERR_LOADSTRFAILURE"},  {0x0006, L"CDERR_FINDRESFAILURE"},
    {0x0007, L"CDERR_LOADRESFAILURE"},  {0x0008, L"CDERR_LOCKRESFAILURE"},
    {0x0009, L"CDERR_MEMALLOCFAILURE"}, {0x000A, L"CDERR_MEMLOCKFAILURE"},
    {0x000B, L"CDERR_NOHOOK"},          {0x000C, L"CDERR_REGISTERMSGFAIL"},
    {0xFFFF, L"CDERR_DIALOGFAILURE"},   {0x3001, L"FNERR_SUBCLASSFAILURE"},
    {0x3002, L"FNERR_INVALIDFILENAME"}, {0x3003, L"FNERR_BUFFERTOOSMALL"},
};

// At least four hexadecimal digits, as cderr.h writes its codes.
std::wstring HexCode(unsigned long code) {
    constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring digits;
    do {
        digits.insert(digits.begin(), kDigits[code % 16]);
        code /= 16;
    } while (code != 0 || digits.size() < 4);
    return L"0x" + digits;
}

}  // namespace

std::wstring ToFilterList(const std::wstring& barSeparated) {
    std::wstring list = barSeparated;
    for (wchar_t& c : list) {
        if (c == L'|') {
            c = L'\0';
        }
    }
    list += L'\0';
    list += L'\0';
    return list;
}

std::wstring CommonDialogErrorText(unsigned long code) {
    for (const CommonDialogError& known : kCommonDialogErrors) {
        if (known.code == code) {
            return std::wstring(known.name) + L" (" + HexCode(code) + L")";
        }
    }
    return L"common-dialog error " + HexCode(code);
}

}  // namespace tarvane
