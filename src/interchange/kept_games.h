// The finished games kept across runs, so that a match can be exported after
// the program was closed. The file is rewritten whole, through a temporary
// file and a rename, as each game ends; it keeps the newest games up to a
// cap. A file the program did not write, or one damaged, is set aside as
// "<name>.bad" and a new one started: the game never fails to start for it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "interchange/game_record.h"
#include "platform/atomic_file.h"

inline const char* const KEPT_GAMES_FILE_NAME = "kestro32.gms";
// About a year of evenings' play; the file stays under a megabyte.
constexpr std::size_t MAX_KEPT_GAMES = 1000;

Bytes EncodeKeptGames(const std::vector<RecordedGame>& games);
// The games, or nothing when any field is not one the program writes.
std::optional<std::vector<RecordedGame>> DecodeKeptGames(const Bytes& bytes);

struct KeptGames {
    std::vector<RecordedGame> games;
    // The file was refused and set aside; the player should be told.
    bool setAside = false;
};
// A missing file gives no games; so does a refused one, once set aside.
KeptGames LoadKeptGames(const std::string& path);

// The games of the newest match among `kept`, from its first game on: the
// newest games at one match length back to the one that began at 0–0.
// Nothing when the newest game is a money game.
std::vector<RecordedGame> LastMatchGames(const std::vector<RecordedGame>& kept);

// Adds a finished game, drops the oldest beyond MAX_KEPT_GAMES and writes the
// file; on failure the games in memory stay in force.
FileResult AppendKeptGame(const std::string& path, std::vector<RecordedGame>& games, const RecordedGame& game);
