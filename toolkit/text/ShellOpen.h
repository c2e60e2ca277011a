// Hands a document, web address or "mailto:" target to the shell's "open".
#pragma once

#include <string>

namespace KavoUtility {

// True when the shell accepted the request.
bool ShellOpen(std::string target);

} // namespace KavoUtility
