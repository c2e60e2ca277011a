// FormAbout: the toolkit's ready-made About window.
#pragma once

#include "toolkit/core/Form.h"

#include <cstdint>
#include <string>

namespace KavoUtility {

struct AboutLayout;
class Button;
class CellControl;
class FontRecord;
class Image;
class Label;
class PanelChildren;
class TextBox;

// A logo in a frame, a bold title, a subtitle, a web and a mail link, a
// read-only notice and an OK button. It keeps its owner disabled while it is
// open instead of running a loop of its own, so the application's one loop
// goes on serving every window. The application fills in the fields below
// before Create; they are read once, while the window is being built.
class FormAbout : public Form {
public:
    static constexpr int32_t clientWidth = 600;
    static constexpr int32_t clientHeight = 300;
    // As a COLORREF: blue.
    static constexpr COLORREF linkColor = 0x00FF0000;

    Form* owner;
    FontRecord* titleFont;
    FontRecord* linkFont;
    Image* logo = nullptr;
    Label* titleLabel = nullptr;
    Label* subtitleLabel = nullptr;
    PanelChildren* panel = nullptr;
    TextBox* noticeBox = nullptr;
    Button* okButton = nullptr;
    CellControl* webLink = nullptr;
    CellControl* mailLink = nullptr;
    int32_t logoId = 0;
    int32_t logoWidth = 0;
    int32_t logoHeight = 0;
    std::string title;
    std::string subtitle;
    // Lines separated by CR LF.
    std::string notice;
    // Shown and opened by the web link; the mail link shows it with
    // "http://www." replaced by "info@".
    std::string webAddress;

    // Disables the owner at once, before the window exists.
    explicit FormAbout(Form* owner);
    // Releases the elements and font records; the windows went with the
    // form's window.
    ~FormAbout() override;

    void OnShow() override;

    virtual void BuildElements();
    // Re-enables the owner and lets the close go ahead.
    virtual bool OnClosing();
    virtual void OnResized();
    // Enter and Escape close the window from whichever element has the focus.
    virtual bool OnCharTyped(wchar_t character);
    virtual void OnKeyPressed(int32_t virtualKey);
    virtual void OnKeyReleased(int32_t virtualKey);
    virtual void OnButtonClick(GUIElement* button);
    // The link opens on the press; where in the cell it lands does not matter.
    virtual void OnLinkPressed(GUIElement* element, int32_t x, int32_t y);

private:
    void BuildLogo(const AboutLayout& layout);
    void BuildTexts(const AboutLayout& layout);
    void BuildLinks(const AboutLayout& layout);
    void BuildNotice(const AboutLayout& layout);
    void BuildOkButton(const AboutLayout& layout);
    CellControl* NewLink(const std::string& target);
};

} // namespace KavoUtility
