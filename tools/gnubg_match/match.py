# Runs inside the independent engine's own Python (see scripts/gnubg_match.sh):
# kestro's Expert against that engine's 0-ply network, cubeless money games
# on shared dice with the seats swapped in pairs. Every move of both sides is
# checked against a move generator of this script's own.
import os
import random
import subprocess
import sys

import gnubg

ENGINE = os.environ["KESTRO_ENGINE"]
PAIRS = int(os.environ.get("MATCH_PAIRS", "200"))
SEED = int(os.environ.get("MATCH_SEED", "1"))
LEVEL = os.environ.get("MATCH_LEVEL", "3")
BAR = 24


def start():
    side = [0] * 25
    side[5], side[7], side[12], side[23] = 5, 3, 5, 2
    return [side[:], side[:]]


def legal_step(me, opp, frm, die):
    if me[frm] == 0 or (me[BAR] and frm != BAR):
        return False
    to = (24 if frm == BAR else frm) - die
    if to >= 0:
        return opp[23 - to] < 2
    if any(me[i] for i in range(6, 25)):
        return False
    return to == -1 or not any(me[i] for i in range(frm + 1, 6))


def apply_step(me, opp, frm, die):
    me, opp = me[:], opp[:]
    to = (24 if frm == BAR else frm) - die
    me[frm] -= 1
    if to >= 0:
        me[to] += 1
        if opp[23 - to] == 1:
            opp[23 - to] = 0
            opp[BAR] += 1
    return me, opp


def plays(me, opp, dice):
    """Final positions of every legal play: most dice, the larger die if one."""
    found = {}

    def walk(me, opp, left, used):
        moved = False
        for die in sorted(set(left)):
            for frm in range(25):
                if legal_step(me, opp, frm, die):
                    moved = True
                    rest = list(left)
                    rest.remove(die)
                    walk(*apply_step(me, opp, frm, die), rest, used + [die])
        if not moved:
            key = (tuple(me), tuple(opp))
            found.setdefault(key, used)

    walk(me, opp, [dice[0]] * 4 if dice[0] == dice[1] else list(dice), [])
    most = max(len(u) for u in found.values())
    best = {k: u for k, u in found.items() if len(u) == most}
    if most == 1 and dice[0] != dice[1]:
        big = max(dice)
        if any(u[0] == big for u in best.values()):
            best = {k: u for k, u in best.items() if u[0] == big}
    return set(best)


def hint_line(me, opp, d1, d2):
    # The Expert is seated as the computer: its point i is location i + 1,
    # the other side's point i is location 24 - i.
    loc = [0] * 28
    for i in range(24):
        loc[i + 1] -= me[i]
        loc[24 - i] += opp[i]
    loc[25] = -me[BAR]
    loc[0] = opp[BAR]
    loc[26] = -(15 - sum(me))
    loc[27] = 15 - sum(opp)
    return " ".join(str(v) for v in loc + [d1, d2, int(LEVEL)]) + "\n"


class Expert:
    def __init__(self):
        self.proc = subprocess.Popen(["stdbuf", "-oL", ENGINE, "hint"], stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, text=True, bufsize=1)

    def move(self, me, opp, d1, d2):
        self.proc.stdin.write(hint_line(me, opp, d1, d2))
        self.proc.stdin.flush()
        answer = self.proc.stdout.readline().strip()
        if not answer:
            raise RuntimeError("kestro-engine hint gave no answer")
        if answer != "-":
            for step in answer.split():
                frm, die = (int(x) for x in step.split("/"))
                me, opp = apply_step(me, opp, BAR if frm == 25 else frm - 1, die)
        return me, opp


# Money play without the Jacoby rule: a centred cube must not make the
# engine play as if gammons were worth nothing.
gnubg.command("set jacoby off")
CUBE = gnubg.cubeinfo(1, -1, 0, 0, (0, 0), 0, 0)
assert CUBE["gammonprice"] == ((1.0, 1.0), (1.0, 1.0)), CUBE
ZERO_PLY = gnubg.evalcontext(0, 0, 1, 1, 0.0)


def other_move(me, opp, d1, d2):
    # The engine gives (from, to) pairs, 1-based, 25 the bar and 0 off.
    move = gnubg.findbestmove((tuple(opp), tuple(me)), CUBE, ZERO_PLY, (d1, d2))
    for k in range(0, len(move), 2):
        if move[k] == 0:
            break
        frm = BAR if move[k] == 25 else move[k] - 1
        me, opp = apply_step(me, opp, frm, (24 if frm == BAR else frm) - (move[k + 1] - 1))
    return me, opp


def points(loser):
    if sum(loser) < 15:
        return 1
    return 3 if loser[BAR] or any(loser[i] for i in range(18, 24)) else 2


def play_game(movers, rng):
    """movers[0] moves first on the opening throw's winner; returns points for seat 0."""
    d1 = d2 = 0
    while d1 == d2:
        d1, d2 = rng.randint(1, 6), rng.randint(1, 6)
    seat = 0 if d1 > d2 else 1
    me, opp = start()
    for turn in range(10000):
        if turn:
            d1, d2 = rng.randint(1, 6), rng.randint(1, 6)
        legal = plays(me, opp, (d1, d2))
        new_me, new_opp = movers[seat](me[:], opp[:], d1, d2)
        if (tuple(new_me), tuple(new_opp)) not in legal:
            raise RuntimeError("illegal move by seat %d: %s %s dice %d %d -> %s" % (seat, me, opp, d1, d2, new_me))
        if sum(new_me) == 0:
            p = points(new_opp)
            return p if seat == 0 else -p
        me, opp = new_opp, new_me
        seat = 1 - seat
    raise RuntimeError("no winner")


def main():
    expert = Expert()
    total = squares = 0.0
    for pair in range(PAIRS):
        pair_points = 0
        for swap in range(2):
            rng = random.Random(SEED * 1000003 + pair)
            movers = [expert.move, other_move]
            if swap:
                movers.reverse()
            r = play_game(movers, rng)
            pair_points += -r if swap else r
        total += pair_points
        squares += pair_points * pair_points
        n = pair + 1
        if n % 50 == 0 or n == PAIRS:
            mean = total / n
            var = (squares - n * mean * mean) / (n - 1) if n > 1 else 0
            print("pairs %d games %d  Expert points per game %+.3f +/- %.3f (95%%)"
                  % (n, 2 * n, mean / 2, 1.96 * (var / n) ** 0.5 / 2), flush=True)


main()
