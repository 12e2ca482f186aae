// The end of a game: its score, booked for the winner and written at once.
#pragma once

struct Session;

// With `scoreKind` 1 a gammon doubles and a backgammon triples the stake.
void EndGame(Session& s, int winner, int scoreKind);
