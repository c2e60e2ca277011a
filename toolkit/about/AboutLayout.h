// Where the About window puts its elements, computed from the form's client
// size and the logo's size alone.
#pragma once

#include <cstdint>

namespace KavoUtility {

// The logo sits in a bordered frame on the left; everything else forms one
// column to its right, with the OK button centred under the notice.
struct AboutLayout {
    struct Box {
        int32_t x;
        int32_t y;
        int32_t width;
        int32_t height;
    };

    static constexpr int32_t okButtonWidth = 80;
    static constexpr int32_t okButtonHeight = 25;
    static constexpr int32_t linkWidth = 150;
    static constexpr int32_t linkHeight = 22;

    Box panel;
    // In the panel's client coordinates; every other box is in the form's.
    Box logo;
    Box titleLabel;
    Box subtitleLabel;
    Box webLink;
    Box mailLink;
    Box noticeBox;
    Box okButton;
};

// Halvings truncate toward zero, also for a column too narrow to be positive.
AboutLayout LayOutAbout(int32_t formWidth, int32_t formHeight, int32_t logoWidth, int32_t logoHeight);

} // namespace KavoUtility
