// FormMain's window tree: built once, from the form's created notification.
#include "game/FormMain.h"

#include "game/Layout.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Menu.h"
#include "toolkit/controls/MenuBar.h"
#include "toolkit/controls/PanelChildren.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/drawing/CellControl.h"
#include "toolkit/drawing/ImageFrame.h"

namespace Game {

using namespace KavoUtility;

namespace {

Button* NewButton(GUIElement* form, const char* text, int32_t left, int32_t top, CommandHandler handler)
{
    Button* button = new Button(form, text);
    button->SetSize(kButtonWidth, kButtonHeight);
    button->SetPosition(left, top);
    button->commandHandler = handler;
    button->Create();
    return button;
}

} // namespace

void FormMain::BuildElements()
{
    BuildMenus();
    BuildBoard();
    Deal(kBoardColumns);
    BuildCards();
    BuildSideColumn();
    BuildClock();
    BuildTimer();
}

// The items take their ids as they are constructed, so "&Esci", "&Guida" and
// "&Home" get three consecutive numbers.
void FormMain::BuildMenus()
{
    menuBar = new MenuBar(this);
    fileMenu = new Menu(menuBar, kFileMenuText);
    exitItem = new SubMenu(fileMenu, kExitItemText);
    exitItem->commandHandler = RouteMenuCommand;
    helpMenu = new Menu(menuBar, kHelpMenuText);
    guideItem = new SubMenu(helpMenu, kGuideItemText);
    guideItem->commandHandler = RouteMenuCommand;
    homeItem = new SubMenu(helpMenu, kHomeItemText);
    homeItem->commandHandler = RouteMenuCommand;
    menuBar->Create();
}

// The border takes its share of the outer size: sizing the client area
// afterwards makes the inside exactly the card sheet's size.
void FormMain::BuildBoard()
{
    board = new PanelChildren(this);
    board->SetBackColor(kBoardBackColor);
    board->border = true;
    board->flatBorder = false;
    board->SetPosition(kBoardX, kBoardY);
    board->SetSize(kSheetColumns * kTileWidth, kSheetRows * kTileHeight);
    board->Create();
    board->SetClientSize(kSheetColumns * kTileWidth, kSheetRows * kTileHeight);
}

// Before the first Start the board shows the faces of this first deal, with
// no tags: a display only.
void FormMain::BuildCards()
{
    for (int32_t k = 0; k < kBoardCards; ++k) {
        const Tile face = faceTable[deckOrder[k]];
        ImageFrame* card = new ImageFrame(board, sheetBitmap, face.column, face.row);
        card->tabStop = false;
        card->SetSize(kTileWidth, kTileHeight);
        const POINT position = CardPosition(k);
        card->SetPosition(position.x, position.y);
        card->lButtonDownHandler = RouteCardPress;
        card->tag = "";
        card->Create();
        cards[k] = card;
    }
}

// Positions follow from what the windows report: the board's outer width
// includes its border, and the picture control takes the logo bitmap's size.
void FormMain::BuildSideColumn()
{
    const POINT boardPosition = board->ReadPosition();
    const int32_t boardWidth = board->ReadSize().cx;
    logo = new Image(this, kLogoBitmapId);
    logo->SetSize(kLogoWidth, kLogoHeight);
    const POINT logoPosition = LogoPosition(boardPosition, boardWidth);
    logo->SetPosition(logoPosition.x, logoPosition.y);
    logo->Create();
    const int32_t logoHeight = logo->ReadSize().cy;
    infoButton = NewButton(this, kInfoText, logoPosition.x, ButtonTop(boardPosition, logoHeight, 0), RouteButtonCommand);
    startButton = NewButton(this, kStartText, logoPosition.x, ButtonTop(boardPosition, logoHeight, 1), RouteButtonCommand);
    closeButton = NewButton(this, kCloseText, logoPosition.x, ButtonTop(boardPosition, logoHeight, 2), RouteButtonCommand);
}

// The clock draws with the form's font record; its own Tahoma 14
// description only centres the text vertically.
void FormMain::BuildClock()
{
    const POINT position = ClockPosition(closeButton->ReadPosition());
    clock = new CellControl(this);
    clock->SetPosition(position.x, position.y);
    clock->font = font;
    clock->border = true;
    clock->SetBackColor(kClockBackColor);
    clock->SetColor(kClockTextColor);
    clock->SetText(kIdleClockText);
    clock->SetSize(kClockWidth, kClockHeight);
    clock->Create();
}

// Started by the first Start, not here.
void FormMain::BuildTimer()
{
    timer = new Timer(this);
    timer->tickHandler = RouteTimerTick;
    timer->Create();
}

} // namespace Game
