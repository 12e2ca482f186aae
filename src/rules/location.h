// The board's 28 locations, their numbering and the two sides.
#pragma once

#include <cstdint>

constexpr int SIDE_NONE = 0;
constexpr int SIDE_COMPUTER = 1;  // moves from high location numbers to low
constexpr int SIDE_HUMAN = 2;     // moves from low location numbers to high

constexpr int NUM_LOCATIONS = 28;
constexpr int CHECKERS_PER_SIDE = 15;

constexpr int LOC_HUMAN_BAR = 0;
constexpr int LOC_COMPUTER_BAR = 25;
constexpr int LOC_COMPUTER_OFF = 26;
constexpr int LOC_HUMAN_OFF = 27;

constexpr bool IsPoint(int loc) { return loc >= 1 && loc <= 24; }

// The side a bar or tray belongs to, whether or not checkers stand on it.
constexpr int FixedOwner(int loc) { return loc == LOC_HUMAN_BAR || loc == LOC_HUMAN_OFF ? SIDE_HUMAN : SIDE_COMPUTER; }

// One board location's game data. The window derives drawable classes from
// it; the rules and the computer's search only read and write the fields and
// use the plain AddChecker and RemoveChecker.
class CLocation {
public:
    CLocation(int number, int count, int owner);
    virtual ~CLocation();

    // Moves the top checker to `target`. The plain version has nothing to
    // show: it carries out a hit of a lone opposing checker by itself, so a
    // board of plain locations plays exactly like the drawn one.
    virtual void TransferChecker(int target);
    virtual void RemoveChecker();
    virtual void AddChecker();
    virtual void Draw();
    virtual int CheckerTop(int n) const;
    virtual bool HitTest(int x, int y) const;

    // Objects alive now, so long runs can show that none leak.
    static int Live();

    int8_t number;
    int8_t count;
    int32_t owner;
};

// Builds the object for one location when the board is set up. The window
// installs a factory of drawable locations; the default makes plain ones.
using LocationFactory = CLocation* (*)(int number, int count, int owner);
void SetLocationFactory(LocationFactory factory);
LocationFactory GetLocationFactory();
