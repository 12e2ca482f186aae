// The computer's doubling-cube and resignation decisions. They are threshold
// rules on the coarse race lead, the race flag and the borne-off counts, and
// never look at the dice. `lead` is RaceLead of the computer (positive when
// the computer is ahead), taken once by the caller when an exchange starts.
#pragma once

// The computer's answer to a double by the human.
bool ComputerAcceptsDouble(int lead);

// Whether the game lets the computer offer a double or its resignation now,
// whatever the position: the cube in use and not the human's, below its top,
// and offers not stopped for this game or by "Finish game".
bool ComputerMayDouble();
bool ComputerMayResign();

// Whether the computer offers a double at the start of its turn.
bool ComputerWantsToDouble(int lead);

// Whether the computer offers to give up; it only does so in a race.
bool ComputerWantsToResign(int lead);

// A human checker still back in the computer's home board or on the bar,
// with contact left, keeps the computer's gammon chances alive.
bool ComputerRefusesGammonResign();

// The gammon rule, or a big lead while the human has borne off nothing.
bool ComputerRefusesResign();
