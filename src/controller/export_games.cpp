#include "controller/export_games.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "controller/file_failure.h"
#include "controller/session.h"
#include "game/game.h"
#include "interchange/kept_games.h"
#include "interchange/match_text.h"
#include "platform/file_dialog.h"
#include "platform/message_box_kinds.h"
#include "resources/help_topics.h"
#include "resources/strings.h"

namespace {
// "kestro-2024-05-31.mat": a run a day seldom needs more than one name.
std::string ProposedName() {
    const std::time_t now = std::time(nullptr);
    char name[64];
    std::strftime(name, sizeof name, "kestro-%Y-%m-%d.mat", std::localtime(&now));
    return name;
}

std::string Formatted(int textId, const std::string& text, int number) {
    char out[512];
    std::snprintf(out, sizeof out, ResString(textId), text.c_str(), number);
    return out;
}

// A paragraph of its own, for a count that is not 0.
std::string CountText(int textId, int count) {
    if (count == 0) return {};
    char out[512];
    std::snprintf(out, sizeof out, ResString(textId), count);
    return std::string("\n\n") + out;
}

std::string LeftOutText(const MatchTextWriter& writer) {
    return CountText(IDS_GAMES_LEFT_OUT, writer.LeftOut()) + CountText(IDS_DOUBLES_LEFT_OUT, writer.DoublesLeftOut());
}

// In a match, the match going on when it has finished games, otherwise the
// last one finished, from the games kept across runs; in money play this
// run's games.
std::string ExportedText(Session& s, MatchTextWriter& writer) {
    if (!IsMatch(s.game.position.match)) {
        std::string text = MatchTextWriter::Header();
        for (const RecordedGame& game : s.game.record.Games()) text += writer.Game(game);
        return text;
    }
    const std::vector<RecordedGame> games = LastMatchGames(s.game.keptGames);
    std::string text = MatchTextWriter::Header(games.empty() ? 0 : games.front().scoreBefore.length);
    for (const RecordedGame& game : games) text += writer.Game(game);
    return text;
}

// Asks for the file and writes `text`, the games `writer` set out.
void Export(Session& s, const std::string& text, const MatchTextWriter& writer) {
    if (writer.Written() == 0) {
        s.view.Ask(ResString(IDS_NOTHING_TO_EXPORT) + LeftOutText(writer), MB_OK, MB_ICONASTERISK, HELP_FILES);
        return;
    }
    const std::optional<std::string> path =
        s.view.AskFileName({FileDialogKind::Save, ResString(IDS_MATCH_FILE_FILTER), "mat", ProposedName()});
    if (!path) return;
    const FileResult saved = WriteFileAtomically(*path, Bytes(text.begin(), text.end()));
    if (!saved) return ShowFileFailure(s, IDS_SAVE_FAILED, *path, saved);
    const std::string name = std::filesystem::path(*path).filename().string();
    s.view.Ask(Formatted(IDS_GAMES_EXPORTED, name, writer.Written()) + LeftOutText(writer), MB_OK, MB_ICONASTERISK,
               HELP_FILES);
}
}  // namespace

void ExportGames(Session& s) {
    MatchTextWriter writer;
    const std::string text = ExportedText(s, writer);
    Export(s, text, writer);
}

void ExportKeptGame(Session& s, const RecordedGame& game) {
    MatchTextWriter writer;
    const std::string text = MatchTextWriter::Header(game.scoreBefore.length) + writer.Game(game);
    Export(s, text, writer);
}
