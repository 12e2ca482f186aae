// The program's string table: every user-visible text, looked up by id.
// Texts are stored exactly as shown to the user, with real newlines and
// every blank kept (several prompts rely on trailing or doubled blanks to
// line up in the message list). A menu command's status-bar prompt is stored
// under the command's own id (see resources/command_ids.h).
#pragma once

// The text with this id, or "" when the table has no such entry. The pointer
// stays valid for the whole run.
const char* ResString(int id);

// Ids of the texts that are not command prompts.
enum StringId : int {
    IDS_ORDINAL_BASE = 100,  // 100 + move ordinal (1..4) gives "st ", "nd", ...
    IDS_ORDINAL_1ST = 101,
    IDS_ORDINAL_2ND = 102,
    IDS_ORDINAL_3RD = 103,
    IDS_ORDINAL_4TH = 104,
    IDS_FROM = 105,
    IDS_TO = 106,
    IDS_DICE = 107,
    IDS_PROMPT_FROM = 113,
    IDS_PROMPT_TO = 114,
    IDS_THINKING = 115,
    IDS_MOVING = 116,
    IDS_UNDO_HINT = 117,
    IDS_CANNOT_MOVE = 118,
    IDS_COMPUTER_LEADS = 119,  // "%d"
    IDS_YOU_LEAD = 120,        // "%d"
    IDS_THINK_TIME = 230,      // "%ld" minutes, "%02ld" seconds
    IDS_BAR_FIRST = 231,
    IDS_EQUAL = 232,
    IDS_START_NEW_GAME = 233,
    IDS_ESC_TO_CANCEL = 236,
    IDS_QUICK_FINISH = 237,
    // Message-box texts whose ids are ours to choose.
    IDS_COMPUTER_REFUSES = 238,
    IDS_COMPUTER_DOUBLES = 239,
    IDS_COMPUTER_RESIGNS = 240,
    IDS_RESET_SCORES = 241,
    IDS_INVALID_POSITION_FILE = 242,
    IDS_POSITION_FILE_FILTER = 243,  // file-dialog filter, '|' separated
    IDS_LARGER_DIE = 244,            // "%d", the die that must be played
    IDS_SAVE_FAILED = 245,           // the file's name, the reason
    IDS_OPEN_FAILED = 246,           // the file's name, the reason
    IDS_NOT_A_REGULAR_FILE = 247,    // a reason
    IDS_RESULTS_NOT_KEPT = 248,
    IDS_PIPS_HUMAN = 249,     // "%d"
    IDS_PIPS_COMPUTER = 250,  // "%d"
    IDS_BOARD_SIZE_CHOSEN = 251,
    IDS_USE_BOTH_DICE = 252,
    IDS_USE_MOST_DICE = 253,
    // Why a position text was refused, in TextError order (one more below).
    IDS_TEXT_NOT_FOUND = 254,
    IDS_TEXT_UNREADABLE = 255,
    IDS_TEXT_CHECKER_COUNT = 256,
    IDS_TEXT_SHARED_POINT = 257,
    IDS_TEXT_GAME_OVER = 258,
    IDS_TEXT_CUBE_TOO_HIGH = 259,
    IDS_TEXT_CUBE_HOLDER = 260,
    IDS_TEXT_DICE = 261,
    IDS_TEXT_MATCH_PLAY = 262,
    IDS_PASTE_REFUSED = 263,  // a reason
    IDS_POSITION_COPIED = 264,
    IDS_MATCH_FILE_FILTER = 265,  // file-dialog filter, '|' separated
    IDS_GAMES_EXPORTED = 266,     // the file's name, the number of games
    IDS_GAMES_LEFT_OUT = 267,     // the number of games
    IDS_NOTHING_TO_EXPORT = 268,
    IDS_TEXT_DOUBLE_OFFERED = 269,
    IDS_DOUBLES_LEFT_OUT = 270,  // the number of doubles
    IDS_TEXT_MATCH_SCORE = 271,
    IDS_ROLL_OR_DOUBLE = 272,
    IDS_NO_CUBE_CRAWFORD = 273,
    IDS_NO_CUBE_ONE_POINT = 274,
    IDS_HUMAN_DOUBLES_TO = 275,     // the new stake, what became of it
    IDS_COMPUTER_DOUBLES_TO = 276,  // the new stake, what became of it
    IDS_DOUBLE_TAKEN = 277,
    IDS_DOUBLE_PASSED = 278,
    IDS_DOUBLE_PLAYED_ON = 279,
    IDS_MATCH_CAPTION = 280,  // the length, the human's and the computer's points
    IDS_CRAWFORD_CAPTION = 281,
    IDS_HUMAN_WINS_MATCH = 282,     // the final score, the matches won by each side
    IDS_COMPUTER_WINS_MATCH = 283,  // the final score, the matches won by each side
    IDS_MATCH_GOES_ON = 284,        // the length, the human's and the computer's points
    IDS_MATCH_NOT_KEPT = 285,
    IDS_KEPT_GAMES_SET_ASIDE = 286,
    IDS_START_NEW_MATCH = 287,
    IDS_PASTE_MATCH = 288,  // the length, the human's and the computer's points
    IDS_HINT_PLAY = 289,
    IDS_HINT_EQUITY = 290,
    IDS_HINT_GIVES_UP = 291,
    IDS_HINT_ACTION = 292,
    IDS_HINT_NO_DOUBLE = 293,
    IDS_HINT_DOUBLE_TAKE = 294,
    IDS_HINT_DOUBLE_PASS = 295,
    IDS_HINT_RIGHT_ACTION = 296,
    IDS_TUTOR_PLAY = 297,  // what it gives up, the play made, the best play
    IDS_TUTOR_CUBE = 298,  // the choice made, what it gives up, the right action
    IDS_KEPT_REVIEWS_SET_ASIDE = 299,
    IDS_MUST_USE_BOTH = 1047,
    IDS_IDLE = 57345,  // pane 0 when no menu is open
};
