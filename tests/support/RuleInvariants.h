// The rules' invariants, read from the live main window between two steps
// of play.
#pragma once

#include <string>

namespace Game {
class FormMain;
}

// "" when every invariant holds; otherwise what is wrong, with the values.
// Holds between steps: no click is being handled and no message box is up.
// - The Start button reads "Abbandona" exactly while a game runs, "Inizia"
//   otherwise; the clock reads "00:" + two-digit minutes and seconds while a
//   game runs, at most the longest time limit (a new level's clock keeps the
//   last level's time until its first tick), and "00:00:00" otherwise.
// - Every tag is empty or the card's own play position in the level's
//   columns; the cards in play hold every face they show exactly twice, so
//   they are twice the pairs left.
// - Cards show what the state says: face down with the hand cursor in play,
//   the first card of a turn face up, blank out of play, faces after a game.
std::string BrokenRule(const Game::FormMain& form);
