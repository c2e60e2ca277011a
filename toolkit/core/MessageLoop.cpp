#include "toolkit/core/MessageLoop.h"

#include "toolkit/core/Form.h"

namespace KavoUtility {

void RunMessageLoop(Form* form)
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) != 0) {
        if (form && form->dialogMode && IsDialogMessageW(form->hwnd, &msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

} // namespace KavoUtility
