// FormMain's About command: the Info button opens the toolkit's About window
// with the program's own texts, logo and icon.
#include "game/FormMain.h"

#include "toolkit/about/FormAbout.h"

namespace Game {

using namespace KavoUtility;

// Every Info makes a new About object; the one it replaces is kept until its
// window is gone. A new object has no window yet, so the icon needs no
// SetIcon: Create gives the window class the icon.
void FormMain::ShowAbout()
{
    earlierAbouts.Keep(about);
    about = new FormAbout(this);
    about->logoId = kLogoBitmapId;
    about->logoWidth = kAboutLogoWidth;
    about->logoHeight = kAboutLogoHeight;
    about->title = std::string(kProductName) + " " + kVersionText;
    about->subtitle = kNoticeLine;
    about->notice = kFreewareNotice;
    about->webAddress = kSiteAddress;
    about->iconId = kIconId;
    about->Create();
    ShowWindow(about->hwnd, SW_SHOWNA);
}

} // namespace Game
