#include "tests/support/MessageBoxAnswerer.h"

#include <algorithm>
#include <cwchar>

namespace {

MessageBoxAnswerer* active = nullptr;

// The static control that holds a message box's text.
constexpr int messageTextId = 0xFFFF;

std::wstring WindowText(HWND window)
{
    wchar_t buffer[1024] = L"";
    GetWindowTextW(window, buffer, 1024);
    return buffer;
}

bool IsDialog(HWND window)
{
    wchar_t className[16] = L"";
    GetClassNameW(window, className, 16);
    return std::wcscmp(className, L"#32770") == 0;
}

} // namespace

MessageBoxAnswerer::MessageBoxAnswerer(std::vector<int> answers) : answers(std::move(answers))
{
    active = this;
    hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchMessages, nullptr, GetCurrentThreadId());
    // A thread timer is dispatched by the box's own modal loop, which is where
    // the box can be read and answered: its texts are filled in after
    // WM_INITDIALOG.
    timer = SetTimer(nullptr, 0, 10, AnswerPendingBox);
}

MessageBoxAnswerer::~MessageBoxAnswerer()
{
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(hook);
    active = nullptr;
}

const std::vector<MessageBoxAnswerer::Box>& MessageBoxAnswerer::Boxes() const
{
    return boxes;
}

// A message box hands its parameters to its dialog as WM_INITDIALOG's lParam,
// so the flags it was made with can be read there exactly.
LRESULT CALLBACK MessageBoxAnswerer::WatchMessages(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && active && message->message == WM_INITDIALOG && IsDialog(message->hwnd)) {
        const MSGBOXPARAMSW* parameters = reinterpret_cast<const MSGBOXPARAMSW*>(message->lParam);
        active->Note(message->hwnd, parameters->dwStyle);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK MessageBoxAnswerer::AnswerPendingBox(HWND, UINT, UINT_PTR, DWORD)
{
    if (active) {
        active->AnswerPending();
    }
}

void MessageBoxAnswerer::Note(HWND dialog, UINT type)
{
    pending.push_back({dialog, type});
}

void MessageBoxAnswerer::AnswerPending()
{
    std::vector<Pending> waiting;
    waiting.swap(pending);
    for (const Pending& box : waiting) {
        if (IsWindow(box.dialog)) {
            Answer(box.dialog, box.type);
        }
    }
}

void MessageBoxAnswerer::Answer(HWND dialog, UINT type)
{
    Box box;
    box.caption = WindowText(dialog);
    box.text = WindowText(GetDlgItem(dialog, messageTextId));
    box.type = type;
    box.answer = answers.empty() ? IDOK : answers[std::min(boxes.size(), answers.size() - 1)];
    boxes.push_back(box);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(box.answer, BN_CLICKED),
        reinterpret_cast<LPARAM>(GetDlgItem(dialog, box.answer)));
}
