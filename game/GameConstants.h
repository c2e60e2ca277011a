// The game's texts, colours, sizes, times and addresses, each named once.
// Narrow texts hold Italian letters as single bytes (0xE8 is e-grave), which
// the toolkit widens byte for byte.
#pragma once

#include "resources/ResourceIds.h"

#include <cstdint>
#include <string>

namespace Game {

// Application constants.
constexpr char kProductName[] = "Runepairs";
constexpr char kVersionText[] = "1.0.0.0";
constexpr char kNoticeLine[] = "Copyright \xA9 2026 Lorenzo Valli";
constexpr char kFreewareNotice[] =
    "Questo programma \xE8 freeware: pu\xF2 essere copiato\r\n"
    "e distribuito liberamente, purch\xE9 non venga\r\n"
    "modificato n\xE9 venduto.";
// Scheme and host only, without a trailing slash: pages are appended to it.
constexpr char kSiteAddress[] = "http://www.runepairs.example";
constexpr char kHelpPageSuffix[] = ".asp";

// The help page is named after the product, at the root of the site.
inline std::string HelpPageAddress()
{
    return std::string(kSiteAddress) + "/" + kProductName + kHelpPageSuffix;
}

// Resources of the executable.
constexpr int32_t kIconId = IDI_RUNEPAIRS;
constexpr int32_t kLogoBitmapId = IDB_LOGO;
// The About window's frame around the logo: one pixel wider than the bitmap.
constexpr int32_t kAboutLogoWidth = 164;
constexpr int32_t kAboutLogoHeight = 50;
constexpr int32_t kCardSheetBitmapId = IDB_CARDS;

// Menus, buttons and the clock.
constexpr char kFileMenuText[] = "&File";
constexpr char kExitItemText[] = "&Esci";
constexpr char kHelpMenuText[] = "&?";
constexpr char kGuideItemText[] = "&Guida";
constexpr char kHomeItemText[] = "&Home";
constexpr char kInfoText[] = "Info";
constexpr char kStartText[] = "Inizia";
constexpr char kAbandonText[] = "Abbandona";
constexpr char kCloseText[] = "Chiudi";
constexpr char kIdleClockText[] = "00:00:00";

// The three messages of the game: text and caption.
constexpr char kLevelCompletedText[] = "Livello completato.";
constexpr char kLevelCompletedCaption[] = "Game";
constexpr char kTimeUpText[] = "Tempo scaduto";
constexpr char kTimeUpCaption[] = "Tempo";
constexpr char kQuitQuestionText[] = "Vuoi realmente uscire?";
constexpr char kQuitQuestionCaption[] = "Uscita";

// The form's font, which the clock draws with too.
constexpr char kFormFontFace[] = "Lucida Console";
constexpr int32_t kFormFontHeight = 16;

// Colours, 0x00BBGGRR.
constexpr int32_t kFormBackColor = 0xFF9933;
constexpr int32_t kBoardBackColor = 0x000000;
constexpr int32_t kClockBackColor = 0x000000;
constexpr int32_t kClockTextColor = 0x00FF00;

// Sizes and positions, in pixels.
constexpr int32_t kClientWidth = 640;
constexpr int32_t kClientHeight = 480;
constexpr int32_t kBoardX = 10;
constexpr int32_t kBoardY = 10;
constexpr int32_t kLogoWidth = 180;
constexpr int32_t kLogoHeight = 60;
constexpr int32_t kButtonWidth = 110;
constexpr int32_t kButtonHeight = 40;
constexpr int32_t kClockWidth = 110;
constexpr int32_t kClockHeight = 40;
// Between the board and the right-hand column, and below the logo.
constexpr int32_t kColumnGap = 10;
// From the top of one button to the top of the next, and from the close
// button's top to the clock's.
constexpr int32_t kButtonPitch = 50;

// The board: 5 rows of 8 cards.
constexpr int32_t kBoardColumns = 8;
constexpr int32_t kBoardCards = 40;

// Times.
constexpr int32_t kStartTimeLimit = 300;
constexpr int32_t kShortestTimeLimit = 60;
constexpr uint32_t kClockInterval = 1000;

} // namespace Game
