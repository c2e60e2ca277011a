// The three task-modal message boxes: a plain message, an information and a
// yes/no question.
#pragma once

#include <string>

namespace KavoUtility {

// The texts go to the system as they are, in the narrow code page. Each call
// returns when the box is dismissed; messages for the program's windows keep
// being dispatched meanwhile.
void ShowMessage(std::string text, std::string caption);
void ShowInformation(std::string text, std::string caption);

// True only when the answer is Yes: No, and a box that could not be shown,
// both answer false.
bool AskYesNo(std::string text, std::string caption);

} // namespace KavoUtility
