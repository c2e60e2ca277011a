#include "tests/hostile/HandlerWatch.h"

#include "toolkit/controls/Button.h"
#include "toolkit/controls/PanelChildren.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/controls/Timer.h"

#include <map>
#include <set>

using KavoUtility::GUIElement;

namespace HandlerWatch {

namespace {

std::set<const GUIElement*> living;
std::map<const GUIElement*, int32_t> commands;
std::map<const GUIElement*, int32_t> ticks;
int32_t calls = 0;
int32_t strayCalls = 0;

void Note(const GUIElement* sender)
{
    if (living.count(sender)) {
        ++calls;
    } else {
        ++strayCalls;
    }
}

int32_t NotePoint(GUIElement* sender, HWND, int32_t, int32_t)
{
    Note(sender);
    return 0;
}

int32_t NoteKey(GUIElement* sender, int32_t)
{
    Note(sender);
    return 0;
}

int32_t NoteEvent(GUIElement* sender)
{
    Note(sender);
    return 0;
}

void NoteQuietly(GUIElement* sender)
{
    Note(sender);
}

int32_t NoteMove(GUIElement* sender, int32_t, int32_t)
{
    Note(sender);
    return 0;
}

// Every other character is swallowed, so both answers are exercised.
bool NoteCharacter(GUIElement* sender, wchar_t character)
{
    Note(sender);
    return character % 2 == 0;
}

bool Refuse(GUIElement* sender)
{
    Note(sender);
    return false;
}

void NoteCreated(GUIElement* sender, HWND)
{
    Note(sender);
}

void NoteCommand(GUIElement* sender)
{
    Note(sender);
    ++commands[sender];
}

void NoteTick(GUIElement* sender)
{
    Note(sender);
    ++ticks[sender];
}

void NoteScroll(KavoUtility::PanelChildren* sender, int32_t)
{
    Note(sender);
}

} // namespace

void Watch(GUIElement& element)
{
    living.insert(&element);
    element.createdHandler = NoteCreated;
    element.lButtonUpHandler = NotePoint;
    element.lButtonDownHandler = NotePoint;
    element.lButtonDblClkHandler = NotePoint;
    element.rButtonUpHandler = NotePoint;
    element.rButtonDownHandler = NotePoint;
    element.rButtonDblClkHandler = NotePoint;
    element.keyUpHandler = NoteKey;
    element.keyDownHandler = NoteKey;
    element.charHandler = NoteCharacter;
    element.moveHandler = NoteEvent;
    element.sizeHandler = NoteEvent;
    element.paintHandler = NoteQuietly;
    element.closeHandler = Refuse;
    element.destroyHandler = NoteEvent;
    element.setFocusHandler = NoteEvent;
    element.killFocusHandler = NoteQuietly;
    element.textChangedHandler = NoteQuietly;
    element.mouseMoveHandler = NoteMove;
    element.mouseHoverHandler = NoteEvent;
    element.mouseLeaveHandler = NoteEvent;
    if (auto command = dynamic_cast<KavoUtility::CommandElement*>(&element)) {
        command->commandHandler = NoteCommand;
    }
    if (auto timer = dynamic_cast<KavoUtility::Timer*>(&element)) {
        timer->tickHandler = NoteTick;
    }
    if (auto panel = dynamic_cast<KavoUtility::PanelChildren*>(&element)) {
        panel->verticalScrollHandler = NoteScroll;
        panel->horizontalScrollHandler = NoteScroll;
    }
}

void Forget(GUIElement& element)
{
    living.erase(&element);
}

int32_t Calls()
{
    return calls;
}

int32_t StrayCalls()
{
    return strayCalls;
}

int32_t CommandsFor(const GUIElement& element)
{
    auto found = commands.find(&element);
    return found == commands.end() ? 0 : found->second;
}

int32_t TicksFor(const GUIElement& element)
{
    auto found = ticks.find(&element);
    return found == ticks.end() ? 0 : found->second;
}

} // namespace HandlerWatch
