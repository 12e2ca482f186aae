// Action, Review games: the kept games, newest first, each with the Expert's
// review, and the error rate over the last of them, in the Review window.
#pragma once

struct Session;

// ID_REVIEW: opens the Review window over the kept games; a game is judged
// the first time it is looked at, and its review kept.
void OnReviewGames(Session& s);
