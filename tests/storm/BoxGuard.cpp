// box-guard TITLE_PREFIX: answers, as long as it runs, every message box of
// the program whose main window title begins with TITLE_PREFIX: No where
// the box has it, OK otherwise. Prints a line for each box it answers:
// caption, tab, text, tab, the button's identifier.
#include "ProgramWindows.h"

#include <cstdio>
#include <set>

namespace {

// The dialog item that holds a message box's text.
constexpr int messageTextId = 0xFFFF;

struct Boxes {
    DWORD process;
    std::set<HWND>* answered;
};

void Answer(HWND box)
{
    const int button = GetDlgItem(box, IDNO) ? IDNO : IDOK;
    PrintLine(WindowText(box) + L"\t" + WindowText(GetDlgItem(box, messageTextId)) + L"\t"
        + std::to_wstring(button));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
}

BOOL CALLBACK AnswerBox(HWND window, LPARAM data)
{
    auto boxes = reinterpret_cast<Boxes*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == boxes->process && IsWindowVisible(window) && WindowClass(window) == L"#32770"
        && boxes->answered->insert(window).second) {
        Answer(window);
    }
    return TRUE;
}

void ForgetClosed(std::set<HWND>& answered)
{
    for (auto box = answered.begin(); box != answered.end();) {
        box = IsWindow(*box) ? std::next(box) : answered.erase(box);
    }
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: box-guard TITLE_PREFIX\n");
        return 2;
    }
    std::set<HWND> answered;
    for (;;) {
        if (const DWORD process = ProcessWithTitle(argv[1])) {
            Boxes boxes{process, &answered};
            EnumWindows(AnswerBox, reinterpret_cast<LPARAM>(&boxes));
        }
        ForgetClosed(answered);
        Sleep(5);
    }
}
