#include "toolkit/about/AboutLayout.h"

namespace KavoUtility {

AboutLayout LayOutAbout(int32_t formWidth, int32_t formHeight, int32_t logoWidth, int32_t logoHeight)
{
    const int32_t columnX = logoWidth + 45;
    const int32_t columnWidth = formWidth - columnX - 10;
    const int32_t lineHeight = 25;

    AboutLayout layout{};
    layout.panel = {10, 10, logoWidth + 20, formHeight - 20};
    layout.logo = {5, 5, logoWidth, logoHeight};
    layout.titleLabel = {columnX, 10, columnWidth, lineHeight};
    layout.subtitleLabel = {columnX, 35, columnWidth, lineHeight};
    layout.webLink = {columnX, 55, AboutLayout::linkWidth, AboutLayout::linkHeight};
    layout.mailLink = {columnX + AboutLayout::linkWidth + 10, 55, AboutLayout::linkWidth, AboutLayout::linkHeight};
    layout.noticeBox = {columnX, 85, columnWidth, formHeight - 145};
    layout.okButton = {columnX + columnWidth / 2 - AboutLayout::okButtonWidth / 2, formHeight - 50,
        AboutLayout::okButtonWidth, AboutLayout::okButtonHeight};
    return layout;
}

} // namespace KavoUtility
