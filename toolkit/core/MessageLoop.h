// The program's message loop.
#pragma once

namespace KavoUtility {

class Form;

// Dispatches messages until the quit request. A form in dialog mode gets
// the system's dialog keyboard navigation; form may be none.
void RunMessageLoop(Form* form);

} // namespace KavoUtility
