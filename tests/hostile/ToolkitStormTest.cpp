// Hostile messages against every kind of toolkit window: the process lives,
// no handler runs for a deleted element, and everything works afterwards.
#include "tests/hostile/HandlerWatch.h"
#include "tests/hostile/MessageStorm.h"
#include "tests/hostile/StormWatchdog.h"
#include "tests/support/GdiObjectCount.h"
#include "tests/support/ThreadWindowCount.h"
#include "resources/ResourceIds.h"
#include "toolkit/about/FormAbout.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/Menu.h"
#include "toolkit/controls/MenuBar.h"
#include "toolkit/controls/PanelChildren.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/controls/TextBox.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/core/Form.h"
#include "toolkit/drawing/CellControl.h"
#include "toolkit/drawing/ImageFrame.h"
#include "toolkit/core/WindowProc.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace KavoUtility;

namespace {

constexpr uint32_t seed = 20261211;
constexpr int32_t stormSize = 3000;
constexpr std::chrono::seconds patience{20};
// The system keeps a cache of window device contexts that grows with the
// deepest nesting of painting it has met; one more cached context comes
// with its region and its surface.
constexpr int32_t systemCacheSlack = 3;

HINSTANCE Module()
{
    return GetModuleHandleW(nullptr);
}

void NoteHotKey(Form*, uint32_t, uint32_t) {}

// One form with a control of every kind and a menu bar, every element
// watched. Elements are deleted by the tree, after their windows are gone.
struct ElementTree {
    std::vector<GUIElement*> elements;
    Form* form = nullptr;
    Button* button = nullptr;
    TextBox* textBox = nullptr;
    Timer* timer = nullptr;
    SubMenu* item = nullptr;
    MenuBar* menuBar = nullptr;
    HBITMAP sheet = nullptr;
    std::unique_ptr<FormAbout> about;

    template <typename Element, typename... Arguments>
    Element* Add(Arguments&&... arguments)
    {
        auto element = new Element(std::forward<Arguments>(arguments)...);
        HandlerWatch::Watch(*element);
        elements.push_back(element);
        return element;
    }

    void Build(const wchar_t* title)
    {
        form = Add<Form>(Module());
        form->text = title;
        form->hotKeys.push_back({MOD_CONTROL | MOD_ALT, 'Q', NoteHotKey});
        form->SetSize(500, 400);
        form->Create();
        menuBar = Add<MenuBar>(form);
        Menu* menu = Add<Menu>(menuBar, "&File");
        item = Add<SubMenu>(menu, "&Esci");
        Add<SubMenu>(menu, "&Segno")->checkable = true;
        menuBar->Create();
        button = Add<Button>(form, "Premi");
        button->SetPosition(10, 10);
        button->Create();
        Button* drawn = Add<Button>(form, "Disegnato");
        drawn->ownerDraw = true;
        drawn->SetPosition(10, 50);
        drawn->Create();
        Label* label = Add<Label>(form, "Etichetta");
        label->SetPosition(10, 90);
        label->Create();
        Image* image = Add<Image>(form, IDB_LOGO);
        image->SetPosition(200, 10);
        image->Create();
        textBox = Add<TextBox>(form, "testo");
        textBox->SetPosition(10, 130);
        textBox->Create();
        TextBox* lines = Add<TextBox>(form, "righe");
        lines->multiline = true;
        lines->verticalScrollBar = true;
        lines->SetPosition(10, 170);
        lines->SetSize(200, 80);
        lines->Create();
        BuildPanel();
        timer = Add<Timer>(form);
        timer->interval = 20;
        timer->Start();
    }

    // A scrolling panel holding controls that ask it for their colours, a
    // card and a cell.
    void BuildPanel()
    {
        PanelChildren* panel = Add<PanelChildren>(form);
        panel->border = true;
        panel->verticalScrollBar = true;
        panel->horizontalScrollBar = true;
        panel->SetBackColor(0x336699);
        panel->SetPosition(230, 80);
        panel->SetSize(240, 250);
        panel->Create();
        Label* label = Add<Label>(panel, "Dentro");
        label->SetPosition(5, 5);
        label->Create();
        TextBox* text = Add<TextBox>(panel, "dentro");
        text->SetPosition(5, 40);
        text->Create();
        sheet = static_cast<HBITMAP>(
            LoadImageW(Module(), MAKEINTRESOURCEW(IDB_CARDS), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ImageFrame* card = Add<ImageFrame>(panel, sheet, 3, 2);
        card->SetSize(54, 90);
        card->SetPosition(120, 5);
        card->Create();
        CellControl* cell = Add<CellControl>(panel);
        cell->SetColor(0xFF00);
        cell->SetBackColor(0);
        cell->SetText("00:04:59");
        cell->SetPosition(5, 110);
        cell->SetSize(110, 40);
        cell->Create();
    }

    void DestroyWindows()
    {
        if (IsWindow(form->hwnd)) {
            DestroyWindow(form->hwnd);
        }
    }

    ~ElementTree()
    {
        if (about && IsWindow(about->hwnd)) {
            DestroyWindow(about->hwnd);
        }
        about.reset();
        DestroyWindows();
        for (GUIElement* element : elements) {
            HandlerWatch::Forget(*element);
            delete element;
        }
        DeleteObject(sheet);
    }

    std::vector<HWND> Windows() const
    {
        std::vector<HWND> windows;
        for (GUIElement* element : elements) {
            if (IsWindow(element->hwnd)) {
                windows.push_back(element->hwnd);
            }
        }
        return windows;
    }

    // The About window's own elements answer to it, not to the watch.
    void OpenAbout()
    {
        about = std::make_unique<FormAbout>(form);
        about->logoId = IDB_LOGO;
        about->logoWidth = 164;
        about->logoHeight = 50;
        about->title = "Bersaglio 1.0.0.0";
        about->notice = "Una riga\r\nDue righe";
        about->webAddress = "http://www.runepairs.example";
        about->Create();
    }

    std::vector<HWND> AboutWindows() const
    {
        std::vector<HWND> windows{about->hwnd};
        EnumChildWindows(about->hwnd, [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        }, reinterpret_cast<LPARAM>(&windows));
        return windows;
    }

    std::vector<int32_t> Ids() const
    {
        std::vector<int32_t> ids;
        for (GUIElement* element : elements) {
            ids.push_back(element->id);
        }
        return ids;
    }
};

// Dispatches messages until `done` holds or the time is up.
void DispatchUntil(const std::function<bool()>& done, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    MSG msg;
    while (!done() && GetTickCount() - start < milliseconds) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    }
}

// Undoes what a storm may rightly do: minimize or maximize the form, keep
// the mouse captured, give an edit control the focus and so a caret bitmap,
// fill the text boxes. An edit control keeps font objects for the scripts
// of the text it holds, so the texts go back too.
void Restore(ElementTree& tree)
{
    HWND form = tree.form->hwnd;
    if (IsIconic(form) || IsZoomed(form)) {
        ShowWindow(form, SW_RESTORE);
    }
    ReleaseCapture();
    SetFocus(form);
    for (GUIElement* element : tree.elements) {
        if (dynamic_cast<TextBox*>(element)) {
            element->SetText(L"testo");
        }
    }
}

class HostileMessages : public testing::Test {
protected:
    HostileMessages() : watchdog(patience) { blockScreenSaver = true; }

    // A storm over the living tree's windows, with the identifiers and
    // windows of a tree deleted before it began.
    MessageStorm::Targets TargetsFor(const ElementTree& tree) const
    {
        MessageStorm::Targets targets{tree.Windows(), {tree.form->hwnd}, tree.Ids(), {tree.menuBar->menuHandle}};
        targets.ids.insert(targets.ids.end(), staleIds.begin(), staleIds.end());
        targets.windows.insert(targets.windows.end(), staleWindows.begin(), staleWindows.end());
        return targets;
    }

    // A second tree whose windows are destroyed and elements deleted before
    // the storm: its identifiers and window handles are what stale senders use.
    void DeleteASecondTree()
    {
        auto doomed = std::make_unique<ElementTree>();
        doomed->Build(L"Condannato");
        staleIds = doomed->Ids();
        staleWindows = doomed->Windows();
        doomed.reset();
    }

    // Opens an About window over the tree, storms it with the tree, closes what
    // is left of it and deletes it.
    void StormOverAbout(ElementTree& tree, uint32_t stormSeed)
    {
        tree.OpenAbout();
        const HWND about = tree.about->hwnd;
        MessageStorm::Targets targets = TargetsFor(tree);
        const std::vector<HWND> aboutWindows = tree.AboutWindows();
        targets.windows.insert(targets.windows.end(), aboutWindows.begin(), aboutWindows.end());
        // Closing the About window asks nothing: it may go at any time.
        targets.forms.push_back(about);
        MessageStorm(stormSeed, targets).Run(stormSize);
        if (IsWindow(about)) {
            SendMessageW(about, WM_CLOSE, 0, 0);
        }
        EXPECT_FALSE(IsWindow(about));
        EXPECT_TRUE(IsWindowEnabled(tree.form->hwnd)) << "the closed About window left its owner disabled";
        tree.about.reset();
        Restore(tree);
    }

    StormWatchdog watchdog;
    std::vector<int32_t> staleIds;
    std::vector<HWND> staleWindows;
};

} // namespace

TEST_F(HostileMessages, NoHandlerRunsForADeletedElementAndEveryWindowLives)
{
    ElementTree tree;
    tree.Build(L"Bersaglio");
    DeleteASecondTree();
    const std::vector<HWND> windows = tree.Windows();

    MessageStorm storm(seed, TargetsFor(tree));
    storm.Run(stormSize);
    Restore(tree);

    EXPECT_EQ(HandlerWatch::StrayCalls(), 0);
    EXPECT_GT(HandlerWatch::Calls(), stormSize / 10);
    for (HWND window : windows) {
        EXPECT_TRUE(IsWindow(window)) << "a window of the tree was destroyed by the storm";
    }
}

TEST_F(HostileMessages, EveryElementStillWorksAfterwards)
{
    ElementTree tree;
    tree.Build(L"Bersaglio");
    DeleteASecondTree();
    MessageStorm(seed + 1, TargetsFor(tree)).Run(stormSize);
    Restore(tree);

    const int32_t buttonCommands = HandlerWatch::CommandsFor(*tree.button);
    SendMessageW(tree.button->hwnd, BM_CLICK, 0, 0);
    EXPECT_EQ(HandlerWatch::CommandsFor(*tree.button), buttonCommands + 1);

    const int32_t itemCommands = HandlerWatch::CommandsFor(*tree.item);
    SendMessageW(tree.form->hwnd, WM_COMMAND, MAKEWPARAM(tree.item->id, 0), 0);
    EXPECT_EQ(HandlerWatch::CommandsFor(*tree.item), itemCommands + 1);

    tree.textBox->SetText(L"dopo la tempesta");
    EXPECT_EQ(tree.textBox->GetText(), L"dopo la tempesta");

    const int32_t ticksBefore = HandlerWatch::TicksFor(*tree.timer);
    DispatchUntil([&] { return HandlerWatch::TicksFor(*tree.timer) > ticksBefore; }, 2000);
    EXPECT_GT(HandlerWatch::TicksFor(*tree.timer), ticksBefore);

    SendMessageW(tree.form->hwnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(tree.form->hwnd));
    EXPECT_EQ(HandlerWatch::StrayCalls(), 0);
}

TEST_F(HostileMessages, ARepeatedStormLeavesNoGdiObjectBehind)
{
    ElementTree tree;
    tree.Build(L"Bersaglio");
    DeleteASecondTree();
    MessageStorm storm(seed + 2, TargetsFor(tree));
    // The first storms load cursors and make the system's caches.
    storm.Run(2 * stormSize);
    Restore(tree);
    const int32_t settled = GdiObjectCount();

    storm.Run(2 * stormSize);
    Restore(tree);
    EXPECT_LE(GdiObjectCount(), settled + systemCacheSlack);
}


TEST_F(HostileMessages, AnAboutWindowCaughtInTheStormLeavesNothingBehind)
{
    ElementTree tree;
    tree.Build(L"Bersaglio");
    DeleteASecondTree();
    MessageStorm(seed + 3, TargetsFor(tree)).Run(stormSize);
    Restore(tree);
    // The first About window in a storm meets cursors and pictures that the
    // system loads once and keeps.
    StormOverAbout(tree, seed + 4);
    const int32_t windowsBefore = ThreadWindowCount();
    const int32_t objectsBefore = GdiObjectCount();

    StormOverAbout(tree, seed + 5);

    EXPECT_EQ(ThreadWindowCount(), windowsBefore);
    EXPECT_LE(GdiObjectCount(), objectsBefore + systemCacheSlack);
    EXPECT_EQ(HandlerWatch::StrayCalls(), 0);
}
