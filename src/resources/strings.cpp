#include "resources/strings.h"

#include "resources/command_ids.h"

namespace {

struct StringEntry {
    int id;
    const char* text;
};

constexpr StringEntry kStrings[] = {
    {IDS_ORDINAL_1ST, "st "},
    {IDS_ORDINAL_2ND, "nd"},
    {IDS_ORDINAL_3RD, "rd "},
    {IDS_ORDINAL_4TH, "th "},
    {IDS_FROM, "from  "},
    {IDS_TO, "  to  "},
    {IDS_DICE, "Dice: "},
    {IDS_PROMPT_FROM, "Click on position to leave from..."},
    {IDS_PROMPT_TO, "Click on position to move to..."},
    {IDS_THINKING, "Thinking..."},
    {IDS_MOVING, "Moving..."},
    {IDS_UNDO_HINT, "<Esc> or right mouse to undo"},
    {IDS_CANNOT_MOVE, "You cannot move. Press spacebar or click dice"},
    {IDS_COMPUTER_LEADS, "= Computer leads by %d ="},
    {IDS_YOU_LEAD, "= You lead by %d ="},
    {IDS_THINK_TIME, "%ld min %02ld sec"},
    {IDS_BAR_FIRST, "Play the BAR piece first"},
    {IDS_EQUAL, "Equal"},
    {IDS_START_NEW_GAME, "Start new game ?"},
    {IDS_ESC_TO_CANCEL, "Keep <esc> depressed to cancel"},
    {IDS_QUICK_FINISH, "Quick Finish ? (No = slow)"},
    {IDS_COMPUTER_REFUSES, "Computer does not accept"},
    {IDS_COMPUTER_DOUBLES, "Computer doubles. -Ok ?"},
    {IDS_COMPUTER_RESIGNS, "Computer gives up.  -Ok ?"},
    {IDS_RESET_SCORES, "Reset all scores to 0 ?"},
    {IDS_INVALID_POSITION_FILE, "Invalid position file !"},
    {IDS_POSITION_FILE_FILTER, "Position files (*.pos)|*.pos|All files (*.*)|*.*||"},
    {IDS_LARGER_DIE, "Only one die can be used: the %d"},
    {IDS_SAVE_FAILED, "Could not save '%s': %s."},
    {IDS_OPEN_FAILED, "Could not open '%s': %s."},
    {IDS_NOT_A_REGULAR_FILE, "Not a regular file"},
    {IDS_RESULTS_NOT_KEPT, "The results of your games are not being kept."},
    {IDS_PIPS_HUMAN, "Your pip count: %d"},
    {IDS_PIPS_COMPUTER, "Computer's pip count: %d"},
    {IDS_BOARD_SIZE_CHOSEN, "New board size from the next start"},
    {IDS_USE_BOTH_DICE, "You must use both dice"},
    {IDS_USE_MOST_DICE, "You must use as many dice as you can"},
    {IDS_TEXT_NOT_FOUND, "no line holds an XGID or a position ID"},
    {IDS_TEXT_UNREADABLE, "the text cannot be read"},
    {IDS_TEXT_CHECKER_COUNT, "a side has more than 15 checkers"},
    {IDS_TEXT_SHARED_POINT, "both sides have checkers on one point"},
    {IDS_TEXT_GAME_OVER, "the game is over"},
    {IDS_TEXT_CUBE_TOO_HIGH, "the cube is above 64"},
    {IDS_TEXT_CUBE_HOLDER, "the cube is held at 1, or doubled without a holder"},
    {IDS_TEXT_DICE, "the dice are not two values from 1 to 6"},
    {IDS_TEXT_MATCH_PLAY, "it is a match position, and only money play can be set up"},
    {IDS_PASTE_REFUSED, "The position cannot be set up: %s.\n\nThe game goes on as it was."},
    {IDS_POSITION_COPIED, "Position copied"},
    {IDS_MATCH_FILE_FILTER, "Match files (*.mat)|*.mat|All files (*.*)|*.*||"},
    {IDS_GAMES_EXPORTED, "Games saved in '%s': %d."},
    {IDS_GAMES_LEFT_OUT,
     "Games left out: %d. The game in progress, games set up from a position "
     "and games in which sides were switched cannot be written in this format."},
    {IDS_NOTHING_TO_EXPORT,
     "No game of this run can be saved yet: only finished games that began "
     "from the starting position can be written in this format."},
    {IDS_TEXT_DOUBLE_OFFERED,
     "a double is waiting for an answer; paste the position before the double or after the answer"},
    {IDS_DOUBLES_LEFT_OUT,
     "Doubles left out: %d. A double refused and then played on cannot be written in this format."},
    {IDS_TEXT_MATCH_SCORE, "the match length, score or Crawford flag cannot be played"},
    {IDS_MUST_USE_BOTH,
     "If there is ANY way to use both dice, NEITHER die can be passed.\n\n"
     "Undo your move and try again."},
    {IDS_IDLE, "Click on position to leave from..."},

    {ID_FILE_NEW, "Abandon current game and start a new one"},
    {ID_FILE_OPEN, "Restore a previously saved game"},
    {ID_FILE_SAVE, "Save the current game"},
    {ID_FILE_EXPORT, "Save this run's games for analysis programs"},
    {ID_EDIT_COPY, "Copy the position as text for analysis programs"},
    {ID_EDIT_PASTE, "Set up a position from text"},
    {ID_SETTINGS, "Adjust settings of gameplay and interface"},
    {ID_RESET_SCORES, "Reset the scores"},
    {ID_APP_EXIT, "Leave Orvan's backgammon"},
    {ID_SHOW_PROGRESS, "Show relative progress of game"},
    {ID_UNDO, "Undo last move(s)"},
    {ID_DOUBLE, "Double the stakes"},
    {ID_PASS, "Unable to make a move"},
    {ID_RESIGN, "Give up this game"},
    {ID_SUGGEST_MOVE, "Play computer's best move"},
    {ID_SWITCH_SIDES, "Switch sides with computer"},
    {ID_FINISH_GAME, "Finish game; let program play both sides"},
    {ID_COLORS, "Choose or edit a color scheme"},
    {ID_REDRAW, "Redraw the screen"},
    {ID_BOARD_SIZE_100, "Board at the desktop's own scale; takes effect when the program starts again"},
    {ID_BOARD_SIZE_125, "Board 1.25 times the desktop's scale; takes effect when the program starts again"},
    {ID_BOARD_SIZE_150, "Board 1.5 times the desktop's scale; takes effect when the program starts again"},
    {ID_BOARD_SIZE_200, "Board twice the desktop's scale; takes effect when the program starts again"},
    {ID_HELP, "Show help on game and program"},
    {ID_APP_ABOUT, "About Orvan's Backgammon"},
};

}  // namespace

const char* ResString(int id) {
    for (const StringEntry& entry : kStrings)
        if (entry.id == id) return entry.text;
    return "";
}
