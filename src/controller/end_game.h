// The end of a game: its score, booked for the winner and written at once.
#pragma once

// With `scoreKind` 1 a gammon doubles and a backgammon triples the stake.
void EndGame(int winner, int scoreKind);
