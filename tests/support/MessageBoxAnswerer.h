// Answers the task-modal message boxes that a test's own thread shows, and
// records what each box showed.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class MessageBoxAnswerer {
public:
    struct Box {
        std::wstring caption;
        std::wstring text;
        // The MB_ flags the box was made with (MB_TASKMODAL, the icon, the buttons).
        UINT type = 0;
        // The button that was pressed, IDOK, IDYES, IDNO...
        int answer = 0;
    };

    // Box i is answered with answers[i]; every box after the last answer
    // gets the last answer again. Only one answerer may live at a time.
    explicit MessageBoxAnswerer(std::vector<int> answers = {IDOK});
    ~MessageBoxAnswerer();

    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    // Every box answered so far, in the order they were shown.
    const std::vector<Box>& Boxes() const;

private:
    static LRESULT CALLBACK WatchMessages(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK AnswerPendingBox(HWND, UINT, UINT_PTR, DWORD);

    void Note(HWND dialog, UINT type);
    void AnswerPending();
    void Answer(HWND dialog, UINT type);

    struct Pending {
        HWND dialog;
        UINT type;
    };

    std::vector<int> answers;
    std::vector<Box> boxes;
    HHOOK hook = nullptr;
    UINT_PTR timer = 0;
    // A box's own loop dispatches messages that may show another box inside
    // it, so several can wait at once.
    std::vector<Pending> pending;
};
