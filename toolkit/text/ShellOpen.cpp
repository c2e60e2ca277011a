#include "toolkit/text/ShellOpen.h"

#include "toolkit/text/Text.h"

#include <windows.h>
#include <shellapi.h>

namespace KavoUtility {

bool ShellOpen(std::string target)
{
    std::wstring file = ToWide(target);
    HINSTANCE result = ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, nullptr, SW_SHOW);
    // The shell's convention: values above 32 mean success.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace KavoUtility
