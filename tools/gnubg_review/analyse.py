# Runs inside the independent analysis program's own Python (see
# scripts/review_compare.sh): analyses the exported games at its quick
# setting (0-ply, cubeless, no Jacoby rule, as kestro plays them) and sets
# its per-game error rate and luck of the human beside the figures of
# kestro's review, then prints how well the two agree.
import math
import os
import re

import gnubg

MAT = os.environ["KESTRO_MAT"]
REVIEW = os.environ["KESTRO_REVIEW"]


def correlation(xs, ys):
    n = len(xs)
    mx, my = sum(xs) / n, sum(ys) / n
    sxy = sum((x - mx) * (y - my) for x, y in zip(xs, ys))
    sxx = sum((x - mx) ** 2 for x in xs)
    syy = sum((y - my) ** 2 for y in ys)
    return sxy / math.sqrt(sxx * syy) if sxx > 0 and syy > 0 else float("nan")


def kestro_figures():
    figures = []
    with open(REVIEW) as f:
        for line in f:
            m = re.match(r"game (\d+) decisions (\d+) .*error-rate ([-\d.]+) luck-human ([-+\d.]+)", line)
            if m:
                figures.append((int(m.group(2)), float(m.group(3)), float(m.group(4))))
    return figures


def other_figures():
    gnubg.command("set jacoby off")
    gnubg.command("set cube use off")
    gnubg.command("import mat " + MAT)
    gnubg.command("set analysis chequerplay evaluation plies 0")
    gnubg.command("set analysis cubedecision evaluation plies 0")
    gnubg.command("analyse match")
    match = gnubg.match(analysis=1, boards=0, statistics=1, verbose=0)
    human = [p for p in ("X", "O") if match["match-info"][p]["name"] == "You"][0]
    figures = []
    for game in match["games"]:
        stats = game["stats"][human]
        moves = stats["moves"]["unforced-moves"]
        rate = 1000 * stats["moves"]["error-skill"] / moves if moves else 0.0
        figures.append((moves, rate, stats["dice"]["luck"]))
    return figures


ours, theirs = kestro_figures(), other_figures()
if len(ours) != len(theirs):
    print("review_compare: %d games reviewed by kestro, %d analysed by the other program" % (len(ours), len(theirs)))
    raise SystemExit(1)
print("game  decisions(kestro other)  error-rate(kestro other)  luck-human(kestro other)")
for i, (a, b) in enumerate(zip(ours, theirs), 1):
    print("%4d  %5d %5d  %8.1f %8.1f  %+7.3f %+7.3f" % (i, a[0], b[0], a[1], b[1], a[2], b[2]))
rates = ([a[1] for a in ours], [b[1] for b in theirs])
lucks = ([a[2] for a in ours], [b[2] for b in theirs])
n = len(ours)
diff = [a - b for a, b in zip(*rates)]
mean = sum(diff) / n
spread = math.sqrt(sum((d - mean) ** 2 for d in diff) / (n - 1)) if n > 1 else 0.0
print("games %d" % n)
print("error rate: kestro mean %.1f, other mean %.1f, correlation %.3f, mean difference %+.1f (sd %.1f)"
      % (sum(rates[0]) / n, sum(rates[1]) / n, correlation(*rates), mean, spread))
print("luck of the human: correlation %.3f, mean difference %+.3f"
      % (correlation(*lucks), sum(a - b for a, b in zip(*lucks)) / n))
