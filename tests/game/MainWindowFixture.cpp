#include "tests/game/MainWindowFixture.h"

#include "toolkit/controls/Button.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/drawing/CellControl.h"
#include "toolkit/drawing/ImageFrame.h"
#include "toolkit/text/Text.h"

#include <cstdlib>

using Game::Tile;
using KavoUtility::DateTime;
using KavoUtility::ImageFrame;

void MainWindowTest::SetUp()
{
    form = new Game::FormMain(GetModuleHandleW(nullptr), "Runepairs test");
}

void MainWindowTest::TearDown()
{
    if (IsWindow(form->hwnd)) {
        DestroyWindow(form->hwnd);
    }
    delete form;
}

MainWindowTest::Message MainWindowTest::CardPress(int32_t card) const
{
    return Message{form->cards[card]->hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(27, 45)};
}

MainWindowTest::Message MainWindowTest::CardDoubleClick(int32_t card) const
{
    return Message{form->cards[card]->hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(27, 45)};
}

MainWindowTest::Message MainWindowTest::ButtonClick(KavoUtility::Button* button) const
{
    return Message{button->hwnd, BM_CLICK, 0, 0};
}

// A menu command reaches the form with the item's id and no control.
MainWindowTest::Message MainWindowTest::MenuCommand(KavoUtility::SubMenu* item) const
{
    return Message{form->hwnd, WM_COMMAND, MAKEWPARAM(item->id, 0), 0};
}

// The system timer's tick reaches the form with the timer's id.
MainWindowTest::Message MainWindowTest::TimerTick() const
{
    return Message{form->hwnd, WM_TIMER, static_cast<WPARAM>(form->timer->id), 0};
}

void MainWindowTest::Send(const Message& message)
{
    SendMessageW(message.window, message.message, message.wParam, message.lParam);
}

void MainWindowTest::Post(const Message& message)
{
    PostMessageW(message.window, message.message, message.wParam, message.lParam);
}

void MainWindowTest::PressCard(int32_t card)
{
    Send(CardPress(card));
}

void MainWindowTest::ClickButton(KavoUtility::Button* button)
{
    Send(ButtonClick(button));
}

void MainWindowTest::ChooseMenuItem(KavoUtility::SubMenu* item)
{
    Send(MenuCommand(item));
}

void MainWindowTest::Tick()
{
    Send(TimerTick());
}

void MainWindowTest::SetElapsedSeconds(int64_t seconds)
{
    DateTime start = DateTime::Now();
    FILETIME fileTime;
    SystemTimeToFileTime(&start.time, &fileTime);
    ULARGE_INTEGER units;
    units.LowPart = fileTime.dwLowDateTime;
    units.HighPart = fileTime.dwHighDateTime;
    units.QuadPart = static_cast<ULONGLONG>(static_cast<int64_t>(units.QuadPart) - seconds * 10000000);
    fileTime.dwLowDateTime = units.LowPart;
    fileTime.dwHighDateTime = units.HighPart;
    FileTimeToSystemTime(&fileTime, &start.time);
    form->startTime = start;
}

Tile MainWindowTest::ShownTile(int32_t card) const
{
    return Tile{form->cards[card]->column, form->cards[card]->row};
}

Tile MainWindowTest::DealtFace(int32_t card) const
{
    return form->faceTable[form->deckOrder[std::atoi(form->cards[card]->tag.c_str())]];
}

std::vector<int32_t> MainWindowTest::CardsInPlay() const
{
    std::vector<int32_t> inPlay;
    for (int32_t k = 0; k < Game::kBoardCards; ++k) {
        if (!form->cards[k]->tag.empty()) {
            inPlay.push_back(k);
        }
    }
    return inPlay;
}

CardPair MainWindowTest::FindPair() const
{
    const std::vector<int32_t> inPlay = CardsInPlay();
    for (size_t i = 0; i < inPlay.size(); ++i) {
        for (size_t j = i + 1; j < inPlay.size(); ++j) {
            if (DealtFace(inPlay[i]) == DealtFace(inPlay[j])) {
                return {inPlay[i], inPlay[j]};
            }
        }
    }
    ADD_FAILURE() << "no pair among " << inPlay.size() << " cards in play";
    return {0, 0};
}

CardPair MainWindowTest::FindNonPair() const
{
    const std::vector<int32_t> inPlay = CardsInPlay();
    for (size_t j = 1; j < inPlay.size(); ++j) {
        if (DealtFace(inPlay[0]) != DealtFace(inPlay[j])) {
            return {inPlay[0], inPlay[j]};
        }
    }
    ADD_FAILURE() << "no two different faces among " << inPlay.size() << " cards in play";
    return {0, 0};
}

void MainWindowTest::LeaveOnlyPair(CardPair pair)
{
    for (int32_t k : CardsInPlay()) {
        if (k != pair.first && k != pair.second) {
            ImageFrame* card = form->cards[k];
            card->tag = "";
            card->SetHandCursor(false);
            card->SetTile(Game::kBlankTile.column, Game::kBlankTile.row);
        }
    }
}

void MainWindowTest::CompleteLevel()
{
    const CardPair pair = FindPair();
    LeaveOnlyPair(pair);
    PressCard(pair.first);
    PressCard(pair.second);
}

std::string MainWindowTest::ClockText() const
{
    return WindowText(form->clock->hwnd);
}

std::string MainWindowTest::StartButtonText() const
{
    return WindowText(form->startButton->hwnd);
}

std::string WindowText(HWND window)
{
    wchar_t buffer[256] = L"";
    GetWindowTextW(window, buffer, 256);
    return KavoUtility::ToNarrow(buffer);
}

namespace {

WhileBoxIsUp* activeBoxWatch = nullptr;
DuringNextPump* activePump = nullptr;

bool IsMessageBox(HWND window)
{
    wchar_t className[16] = L"";
    GetClassNameW(window, className, 16);
    return std::wstring(className) == L"#32770";
}

} // namespace

WhileBoxIsUp::WhileBoxIsUp(std::function<void()> action) : action(std::move(action))
{
    activeBoxWatch = this;
    hook = SetWindowsHookExW(WH_CALLWNDPROC, Watch, nullptr, GetCurrentThreadId());
}

WhileBoxIsUp::~WhileBoxIsUp()
{
    UnhookWindowsHookEx(hook);
    activeBoxWatch = nullptr;
}

LRESULT CALLBACK WhileBoxIsUp::Watch(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && activeBoxWatch && activeBoxWatch->action && message->message == WM_INITDIALOG
        && IsMessageBox(message->hwnd)) {
        std::function<void()> once = std::move(activeBoxWatch->action);
        activeBoxWatch->action = nullptr;
        once();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

DuringNextPump::DuringNextPump(std::function<void()> action) : action(std::move(action))
{
    activePump = this;
    timer = SetTimer(nullptr, 0, 10, Fire);
}

DuringNextPump::~DuringNextPump()
{
    KillTimer(nullptr, timer);
    activePump = nullptr;
}

void CALLBACK DuringNextPump::Fire(HWND, UINT, UINT_PTR, DWORD)
{
    if (activePump && activePump->action) {
        KillTimer(nullptr, activePump->timer);
        std::function<void()> once = std::move(activePump->action);
        activePump->action = nullptr;
        once();
    }
}
