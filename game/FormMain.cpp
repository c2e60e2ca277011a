#include "game/FormMain.h"

#include "game/EarlierAbouts.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Menu.h"
#include "toolkit/controls/MenuBar.h"
#include "toolkit/controls/PanelChildren.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/drawing/CellControl.h"
#include "toolkit/drawing/FontRecord.h"
#include "toolkit/drawing/ImageFrame.h"

namespace Game {

using namespace KavoUtility;

bool clickBusy = false;

FormMain::FormMain(HINSTANCE instance, std::string title)
    : Form(instance), level(1), firstCardTurned(false), timeLimit(kStartTimeLimit), lastCard(nullptr),
      firstFace{-1, -1}, faceTable{}, startTime(DateTime::Now()), gameRunning(false), about(nullptr),
      board(nullptr), menuBar(nullptr), fileMenu(nullptr), exitItem(nullptr), helpMenu(nullptr),
      homeItem(nullptr), guideItem(nullptr), infoButton(nullptr), startButton(nullptr), closeButton(nullptr),
      logo(nullptr), sheetBitmap(nullptr), cards{}, timer(nullptr), clock(nullptr), dealCount(0)
{
    sheetBitmap = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kCardSheetBitmapId),
        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    font = new FontRecord(kFormFontFace, kFormFontHeight);
    font->bold = true;
    SetSize(kClientWidth, kClientHeight);
    SetText(title);
    minimizeBox = true;
    maximizeBox = false;
    createdHandler = RouteCreated;
    closeHandler = RouteClose;
    charHandler = PassCharacter;
    sizeHandler = IgnoreEvent;
    keyDownHandler = IgnoreKey;
    keyUpHandler = IgnoreKey;
    lButtonUpHandler = IgnoreButton;
    lButtonDownHandler = IgnoreButton;
    SetBackColor(kFormBackColor);
    Create();
    iconId = kIconId;
    SetIcon();
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font->GetFontHandle()), TRUE);
    SetClientSize(kClientWidth, kClientHeight, false);
}

// The order is part of the design: the About window, the menus, the font
// record, the controls and cards, the sheet the cards drew from, then the
// timer (killed if running) and the clock. By now the window is normally
// gone and the close request finds nothing.
FormMain::~FormMain()
{
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    created = false;
    EarlierAbouts::Release(about);
    delete menuBar;
    delete fileMenu;
    delete exitItem;
    delete helpMenu;
    delete homeItem;
    delete guideItem;
    // The record deletes its own font handle; the clock only borrowed it.
    delete font;
    font = nullptr;
    delete closeButton;
    delete infoButton;
    delete startButton;
    delete logo;
    delete board;
    for (ImageFrame* card : cards) {
        delete card;
    }
    DeleteObject(sheetBitmap);
    delete timer;
    delete clock;
}

void FormMain::Deal(int32_t columns)
{
    DealDeck(faceTable, deckOrder, columns);
}

} // namespace Game
