#include "toolkit/about/FormAbout.h"

#include "toolkit/about/AboutLayout.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/PanelChildren.h"
#include "toolkit/controls/TextBox.h"
#include "toolkit/drawing/CellControl.h"
#include "toolkit/drawing/FontRecord.h"
#include "toolkit/text/ShellOpen.h"
#include "toolkit/text/Text.h"

namespace KavoUtility {

namespace {

FormAbout* AsAbout(GUIElement* element)
{
    return dynamic_cast<FormAbout*>(element);
}

FormAbout* ParentAbout(GUIElement* element)
{
    return element == nullptr ? nullptr : AsAbout(element->parent);
}

void CreatedRoute(GUIElement* form, HWND)
{
    if (FormAbout* about = AsAbout(form)) {
        about->BuildElements();
    }
}

bool CloseRoute(GUIElement* form)
{
    FormAbout* about = AsAbout(form);
    return about == nullptr || about->OnClosing();
}

int32_t SizeRoute(GUIElement* form)
{
    if (FormAbout* about = AsAbout(form)) {
        about->OnResized();
    }
    return 0;
}

int32_t KeyDownRoute(GUIElement* form, int32_t virtualKey)
{
    if (FormAbout* about = AsAbout(form)) {
        about->OnKeyPressed(virtualKey);
    }
    return 0;
}

int32_t KeyUpRoute(GUIElement* form, int32_t virtualKey)
{
    if (FormAbout* about = AsAbout(form)) {
        about->OnKeyReleased(virtualKey);
    }
    return 0;
}

// Installed in the form and in every element it builds, so that the keys
// that close the window work wherever the focus is.
bool CharacterRoute(GUIElement* element, wchar_t character)
{
    GUIElement* holder = dynamic_cast<Child*>(element) != nullptr ? element->parent : element;
    FormAbout* about = AsAbout(holder);
    return about == nullptr || about->OnCharTyped(character);
}

void ClickRoute(GUIElement* button)
{
    if (FormAbout* about = ParentAbout(button)) {
        about->OnButtonClick(button);
    }
}

int32_t LinkRoute(GUIElement* link, HWND, int32_t x, int32_t y)
{
    if (FormAbout* about = ParentAbout(link)) {
        about->OnLinkPressed(link, x, y);
    }
    return 0;
}

void Place(GUIElement& element, const AboutLayout::Box& box)
{
    element.SetSize(box.width, box.height);
    element.SetPosition(box.x, box.y);
}

} // namespace

FormAbout::FormAbout(Form* owner)
    : Form(owner->instance),
      owner(owner),
      titleFont(new FontRecord("Arial", 16)),
      linkFont(new FontRecord("Arial", 16))
{
    minimizeBox = false;
    maximizeBox = false;
    captioned = true;
    dialogMode = true;
    dialogStyleBit = true;

    font = new FontRecord("Arial", 14);
    titleFont->bold = true;
    linkFont->underline = true;

    SetSize(clientWidth, clientHeight);
    CenterOnScreen();
    SetText(std::string("Info..."));

    createdHandler = CreatedRoute;
    closeHandler = CloseRoute;
    sizeHandler = SizeRoute;
    charHandler = CharacterRoute;
    keyDownHandler = KeyDownRoute;
    keyUpHandler = KeyUpRoute;

    owner->SetEnabled(false);
}

FormAbout::~FormAbout()
{
    delete panel;
    delete subtitleLabel;
    delete logo;
    delete titleLabel;
    delete noticeBox;
    delete okButton;
    delete titleFont;
    delete linkFont;
    delete webLink;
    delete mailLink;
    delete font;
}

// The first show arrives inside CreateWindowExW, before the form counts as
// created, and changes nothing; the application's own ShowWindow afterwards
// gives the client area its size.
void FormAbout::OnShow()
{
    SetClientSize(clientWidth, clientHeight, true);
}

void FormAbout::BuildElements()
{
    RECT client{0, 0, width, height};
    if (created) {
        GetClientRect(hwnd, &client);
    }
    const AboutLayout layout = LayOutAbout(client.right - client.left, client.bottom - client.top, logoWidth, logoHeight);
    BuildLogo(layout);
    BuildTexts(layout);
    BuildLinks(layout);
    BuildNotice(layout);
    BuildOkButton(layout);
}

void FormAbout::BuildLogo(const AboutLayout& layout)
{
    panel = new PanelChildren(this);
    Place(*panel, layout.panel);
    panel->border = true;
    panel->flatBorder = false;
    panel->charHandler = CharacterRoute;
    panel->Create();

    logo = new Image(panel, logoId);
    Place(*logo, layout.logo);
    logo->charHandler = CharacterRoute;
    logo->Create();
}

void FormAbout::BuildTexts(const AboutLayout& layout)
{
    titleLabel = new Label(this, title);
    Place(*titleLabel, layout.titleLabel);
    titleLabel->font = titleFont;
    titleLabel->charHandler = CharacterRoute;
    titleLabel->Create();

    subtitleLabel = new Label(this, subtitle);
    Place(*subtitleLabel, layout.subtitleLabel);
    subtitleLabel->font = font;
    subtitleLabel->charHandler = CharacterRoute;
    subtitleLabel->Create();
}

void FormAbout::BuildLinks(const AboutLayout& layout)
{
    webLink = NewLink(webAddress);
    Place(*webLink, layout.webLink);
    webLink->Create();

    mailLink = NewLink(ReplaceAll(webAddress, "http://www.", "info@"));
    Place(*mailLink, layout.mailLink);
    mailLink->Create();
}

CellControl* FormAbout::NewLink(const std::string& target)
{
    CellControl* link = new CellControl(this);
    link->SetColor(linkColor);
    link->SetAlign(AlignLeft);
    link->SetText(target);
    link->SetHandCursor(true);
    link->lButtonDownHandler = LinkRoute;
    link->font = linkFont;
    link->charHandler = CharacterRoute;
    return link;
}

void FormAbout::BuildNotice(const AboutLayout& layout)
{
    noticeBox = new TextBox(this, notice);
    Place(*noticeBox, layout.noticeBox);
    noticeBox->multiline = true;
    noticeBox->readOnly = true;
    noticeBox->verticalScrollBar = true;
    noticeBox->charHandler = CharacterRoute;
    noticeBox->Create();
}

void FormAbout::BuildOkButton(const AboutLayout& layout)
{
    okButton = new Button(this, "OK");
    Place(*okButton, layout.okButton);
    okButton->commandHandler = ClickRoute;
    okButton->charHandler = CharacterRoute;
    okButton->Create();
    okButton->Focus();
}

bool FormAbout::OnClosing()
{
    UnregisterHotKeys();
    owner->SetEnabled(true);
    return true;
}

void FormAbout::OnResized()
{
}

bool FormAbout::OnCharTyped(wchar_t character)
{
    constexpr wchar_t enter = 13;
    constexpr wchar_t escape = 27;
    if (character == enter || character == escape) {
        OnButtonClick(okButton);
        return false;
    }
    return true;
}

void FormAbout::OnKeyPressed(int32_t)
{
}

void FormAbout::OnKeyReleased(int32_t)
{
}

void FormAbout::OnButtonClick(GUIElement* button)
{
    if (button != nullptr && okButton != nullptr && button->id == okButton->id) {
        SendMessageW(hwnd, WM_CLOSE, 0, 0);
        created = false;
    }
}

void FormAbout::OnLinkPressed(GUIElement* element, int32_t, int32_t)
{
    if (element->id == webLink->id) {
        ShellOpen(webAddress);
    } else if (element->id == mailLink->id) {
        ShellOpen("mailto:" + mailLink->GetNarrowText());
    }
}

} // namespace KavoUtility
