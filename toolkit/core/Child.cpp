#include "toolkit/core/Child.h"

namespace KavoUtility {

Child::Child()
    : GUIElement(nullptr)
{
}

} // namespace KavoUtility
