#include "game/EarlierAbouts.h"

#include "toolkit/about/FormAbout.h"

#include <algorithm>

namespace Game {

using KavoUtility::FormAbout;

namespace {

bool WindowGone(const FormAbout* about)
{
    return about->hwnd == nullptr || about->destroyed;
}

} // namespace

EarlierAbouts::~EarlierAbouts()
{
    for (FormAbout* about : kept) {
        Release(about);
    }
}

void EarlierAbouts::Keep(FormAbout* about)
{
    if (about != nullptr) {
        kept.push_back(about);
    }
    const auto gone = std::stable_partition(kept.begin(), kept.end(), [](FormAbout* earlier) { return !WindowGone(earlier); });
    std::for_each(gone, kept.end(), Release);
    kept.erase(gone, kept.end());
}

size_t EarlierAbouts::Count() const
{
    return kept.size();
}

void EarlierAbouts::Release(FormAbout* about)
{
    if (about != nullptr && !WindowGone(about)) {
        DestroyWindow(about->hwnd);
    }
    delete about;
}

} // namespace Game
