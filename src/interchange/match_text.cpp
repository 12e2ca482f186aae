#include "interchange/match_text.h"

#include <cstdio>
#include <optional>
#include <utility>

#include "rules/position.h"

namespace {
constexpr int kColumnWidth = 27;
constexpr int kScoreWidth = 31;

// Column 0 the computer's, 1 the human's.
int ColumnOf(int side) { return side == SIDE_HUMAN ? 1 : 0; }

// A location in the mover's own numbering: its bar 25, borne off 0.
int OwnNumber(int side, int loc) {
    if (loc == LOC_HUMAN_BAR || loc == LOC_COMPUTER_BAR) return 25;
    if (!IsPoint(loc)) return 0;
    return side == SIDE_HUMAN ? 25 - loc : loc;
}

std::string Padded(std::string text, int width) {
    if (static_cast<int>(text.size()) < width) text.resize(width, ' ');
    return text;
}

std::string PointsText(int points) { return "Wins " + std::to_string(points) + (points == 1 ? " point" : " points"); }

// Items go into the two columns in turn, line by line; an item for the
// column just used leaves the other one blank.
class Columns {
public:
    void Put(int column, const std::string& item) {
        if (slot_ % 2 != column) Advance();
        line_[column] = item;
        Advance();
    }
    // An item on a line of its own, without a number.
    void PutAlone(int column, const std::string& item) {
        if (slot_ % 2 == 1) Advance();
        line_[column] = item;
        Flush("     ");
    }
    // A win after a drop stays on the dropping line while its column is free there.
    void PutAfterDrop(int column, const std::string& item) {
        if (slot_ % 2 == 1 && column == 1) return Put(column, item);
        PutAlone(column, item);
    }
    std::string Text() {
        if (slot_ % 2 == 1) Advance();
        return text_;
    }

private:
    void Advance() {
        if (++slot_ % 2 != 0) return;
        char number[16];
        std::snprintf(number, sizeof number, "%3d) ", slot_ / 2);
        Flush(number);
    }
    void Flush(const char* lead) {
        text_ += lead + Padded(line_[0], kColumnWidth) + " " + line_[1] + "\n";
        line_[0].clear();
        line_[1].clear();
    }

    std::string line_[2];
    std::string text_;
    int slot_ = 0;
};

struct PendingTurn {
    int side;
    std::string text;  // "DD:" and the steps so far
};
}  // namespace

std::string MatchTextWriter::Header(int matchLength) {
    const std::string rule = matchLength > 0 ? "; [Crawford \"On\"]\n" : "";
    return rule + " " + std::to_string(matchLength) + " point match\n";
}

std::string MatchTextWriter::Game(const RecordedGame& game) {
    if (!game.fromStart || !game.over) {
        ++leftOut_;
        return {};
    }
    ++written_;
    const int* before = IsMatch(game.scoreBefore) ? game.scoreBefore.points : score_;
    char scores[64];
    std::snprintf(scores, sizeof scores, " Computer : %d", before[SIDE_COMPUTER]);
    std::string text = "\n Game " + std::to_string(written_) + "\n" + Padded(scores, kScoreWidth) +
                       "You : " + std::to_string(before[SIDE_HUMAN]) + "\n";

    Columns columns;
    std::optional<PendingTurn> turn;
    const auto closeTurn = [&] {
        if (turn) columns.Put(ColumnOf(turn->side), turn->text);
        turn.reset();
    };
    bool dropped = false;
    for (const GameEvent& e : game.events) {
        switch (e.action) {
            case GameAction::Throw:
                closeTurn();
                turn = PendingTurn{e.side, std::to_string(e.a) + std::to_string(e.b) + ":"};
                break;
            case GameAction::Step:
                if (!turn) break;
                turn->text += " " + std::to_string(OwnNumber(e.side, e.a)) + "/" +
                              std::to_string(OwnNumber(e.side, e.b)) + (e.hit ? "*" : "");
                break;
            // The analysis programs see a double before the doubler's throw,
            // and no throw at all when it was dropped or the game given up.
            case GameAction::Double: {
                // A double before the throw follows the other side's turn.
                if (turn && turn->side != e.side) closeTurn();
                std::optional<PendingTurn> thrown = std::exchange(turn, std::nullopt);
                columns.Put(ColumnOf(e.side), "Doubles => " + std::to_string(e.a));
                turn = thrown;
                break;
            }
            case GameAction::Take:
            case GameAction::Drop: {
                std::optional<PendingTurn> thrown = std::exchange(turn, std::nullopt);
                dropped = e.action == GameAction::Drop;
                columns.Put(ColumnOf(e.side), dropped ? "Drops" : "Takes");
                if (!dropped) turn = thrown;
                break;
            }
            case GameAction::Resign:
                turn.reset();
                break;
            case GameAction::DoublePlayedOn:
                ++doublesLeftOut_;
                break;
            case GameAction::Win:
                closeTurn();
                if (dropped)
                    columns.PutAfterDrop(ColumnOf(e.side), PointsText(e.a));
                else
                    columns.PutAlone(ColumnOf(e.side), PointsText(e.a));
                score_[e.side] += e.a;
                break;
        }
    }
    return text + columns.Text();
}
