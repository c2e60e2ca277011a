// The About objects that a newer one replaced, kept until their windows are gone.
#pragma once

#include <cstddef>
#include <vector>

namespace KavoUtility {
class FormAbout;
}

namespace Game {

// Each Info makes a new About object. The one it replaces cannot simply be
// deleted: while its window exists, the toolkit still routes that window's
// messages to it. Normally that window was closed long before, but after a
// declined exit the main window no longer blocks Info, so several About
// windows can be open at once.
class EarlierAbouts {
public:
    EarlierAbouts() = default;
    // Releases every object kept, open windows included.
    ~EarlierAbouts();
    EarlierAbouts(const EarlierAbouts&) = delete;
    EarlierAbouts& operator=(const EarlierAbouts&) = delete;

    // Takes `about` (none is allowed) over and releases every object kept whose window is gone.
    void Keep(KavoUtility::FormAbout* about);
    size_t Count() const;

    // Deletes an About object. A window still open is destroyed first, so
    // that no message can reach the deleted elements.
    static void Release(KavoUtility::FormAbout* about);

private:
    std::vector<KavoUtility::FormAbout*> kept;
};

} // namespace Game
