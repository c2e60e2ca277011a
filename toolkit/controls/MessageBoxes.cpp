// The three task-modal message boxes.
#include "toolkit/controls/MessageBoxes.h"

#include <windows.h>

namespace KavoUtility {

namespace {

// Without an owner, MB_TASKMODAL makes the box modal to every top-level window
// of the thread rather than to none.
int ShowBox(const std::string& text, const std::string& caption, UINT type)
{
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), type | MB_TASKMODAL);
}

} // namespace

void ShowMessage(std::string text, std::string caption)
{
    ShowBox(text, caption, MB_OK);
}

void ShowInformation(std::string text, std::string caption)
{
    ShowBox(text, caption, MB_OK | MB_ICONINFORMATION);
}

bool AskYesNo(std::string text, std::string caption)
{
    return ShowBox(text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

} // namespace KavoUtility
