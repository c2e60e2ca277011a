// Form: a top-level window with a window class of its own.
#pragma once

#include "toolkit/core/GUIElement.h"
#include "toolkit/core/HotKey.h"

#include <vector>

namespace KavoUtility {

// The window of the first form ever created; its destruction ends the
// message loop.
extern HWND mainWindow;

class Form : public GUIElement {
public:
    bool minimizeBox = true;
    bool maximizeBox = true;
    bool captioned = true;
    bool dialogMode = false;
    bool dialogStyleBit = false;
    std::vector<HotKey> hotKeys;
    // Loaded with LoadIconW, so shared by the system: never destroyed.
    HICON iconHandle = nullptr;
    int32_t iconId = 0;

    explicit Form(HINSTANCE instance);

    // Registers the window class "Window" + number and creates, shows and
    // paints the window. WM_CREATE reaches OnCreated before it returns.
    void Create() override;

    // Resizes the window so that its client area is clientWidth x clientHeight;
    // with adjustPosition the window first moves up and left by the frame.
    void SetClientSize(int32_t clientWidth, int32_t clientHeight, bool adjustPosition);
    void CenterOnScreen();
    // Shows icon resource iconId of the form's module as the small icon.
    void SetIcon();
    void RegisterHotKeys();
    void UnregisterHotKeys();

    // Once the window is gone, the class goes too, and with it the brush
    // made for a coloured form. The window itself is not destroyed here.
    ~Form() override;

private:
    std::wstring className;

    void RegisterWindowClass();
    DWORD Style() const;
    DWORD ExtendedStyle() const;
};

} // namespace KavoUtility
