// FormMain: the game's main window, owner of every element, of the deal and
// of the play state.
#pragma once

#include "game/DealDeck.h"
#include "game/EarlierAbouts.h"
#include "game/GameConstants.h"
#include "game/Tile.h"
#include "toolkit/core/DateTime.h"
#include "toolkit/core/Form.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace KavoUtility {
class Button;
class CellControl;
class FontRecord;
class FormAbout;
class Image;
class ImageFrame;
class Menu;
class MenuBar;
class PanelChildren;
class SubMenu;
class Timer;
} // namespace KavoUtility

namespace Game {

// Set while a card click is handled. The click's half-second pause keeps
// dispatching messages, and this keeps a second card click out meanwhile.
extern bool clickBusy;

// The board of 5 rows of 8 cards, the logo, the buttons "Info", "Inizia" and
// "Chiudi", the clock and the menus. The window tree is built inside Create,
// from the created notification; the elements live as long as the form and
// are deleted by it after the message loop has ended.
class FormMain : public KavoUtility::Form {
public:
    int32_t level;
    bool firstCardTurned;
    int32_t timeLimit;
    // The card last accepted by a click; not owned.
    KavoUtility::ImageFrame* lastCard;
    Tile firstFace;
    Tile faceTable[kFaceTableSize];
    std::vector<int32_t> deckOrder;
    // When the current level was dealt.
    KavoUtility::DateTime startTime;
    bool gameRunning;
    KavoUtility::FormAbout* about;
    KavoUtility::PanelChildren* board;
    KavoUtility::MenuBar* menuBar;
    KavoUtility::Menu* fileMenu;
    KavoUtility::SubMenu* exitItem;
    KavoUtility::Menu* helpMenu;
    KavoUtility::SubMenu* homeItem;
    KavoUtility::SubMenu* guideItem;
    KavoUtility::Button* infoButton;
    KavoUtility::Button* startButton;
    KavoUtility::Button* closeButton;
    KavoUtility::Image* logo;
    HBITMAP sheetBitmap;
    // In board order, row by row.
    KavoUtility::ImageFrame* cards[kBoardCards];
    KavoUtility::Timer* timer;
    // Draws with the form's font record, which the form owns.
    KavoUtility::CellControl* clock;
    // About objects that `about` replaced, kept while their windows are open.
    EarlierAbouts earlierAbouts;

    // When the constructor returns, the window and all its elements exist.
    FormMain(HINSTANCE instance, std::string title);
    // Deletes every element the form made; their windows went with the
    // form's window.
    ~FormMain() override;

    // Appended after Create, in this order.
    virtual void BuildElements();
    // Asks before the window closes; true lets it close.
    virtual bool ConfirmClose();
    virtual void OnTimerTick();
    virtual void OnMenuCommand(KavoUtility::GUIElement* item);
    virtual void OnCardClick(KavoUtility::ImageFrame* card);
    virtual void OnButtonCommand(KavoUtility::GUIElement* button);

    // Deals for a board whose first `columns` columns are in play.
    void Deal(int32_t columns);
    // Starts the current level: a fresh start time, its columns and time
    // limit, a new deal, and every card face down or out of play.
    void NewDeal();
    // Shows the face of every card still in play, for good.
    void RevealCards();
    // The Info button's command: a new About window over this one.
    void ShowAbout();

private:
    // Counts the deals, so that a click paused across an Abandon and a new
    // Start can tell that its two cards belong to a deal that is gone.
    int32_t dealCount;

    void BuildMenus();
    void BuildBoard();
    void BuildCards();
    void BuildSideColumn();
    void BuildClock();
    void BuildTimer();

    void Start();
    void Abandon();
    void FinishTurn(KavoUtility::ImageFrame* card, Tile face);
    void CompleteLevel();
    bool AnyCardInPlay() const;
    Tile FaceOf(const KavoUtility::ImageFrame& card) const;

    // The forwarding functions stored in the elements: each finds the form
    // and calls one of its operations.
    static void RouteCreated(KavoUtility::GUIElement* sender, HWND window);
    static bool RouteClose(KavoUtility::GUIElement* sender);
    static bool PassCharacter(KavoUtility::GUIElement* sender, wchar_t character);
    static int32_t IgnoreEvent(KavoUtility::GUIElement* sender);
    static int32_t IgnoreKey(KavoUtility::GUIElement* sender, int32_t virtualKey);
    static int32_t IgnoreButton(KavoUtility::GUIElement* sender, HWND window, int32_t x, int32_t y);
    static int32_t RouteCardPress(KavoUtility::GUIElement* sender, HWND window, int32_t x, int32_t y);
    static void RouteButtonCommand(KavoUtility::GUIElement* sender);
    static void RouteMenuCommand(KavoUtility::GUIElement* sender);
    static void RouteTimerTick(KavoUtility::GUIElement* sender);
};

} // namespace Game
