#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The page's game is the native game to the last random draw: 64 replay
# scripts, made here from fixed seeds, are played by the native quadlo-engine
# and by the same engine compiled to WebAssembly and run under node, and
# every transcript (and exit status) must be the same byte for byte. Each
# script plays whole games at changing levels, with Take Back and New Game
# among the clicks; a click on every one of the 60 edges in a shuffled order
# ends each game whatever the computer draws, since a click on a drawn edge
# is ignored. A quarter of them draw from values the script gives.
#
# Usage: replay_matches_native.py NATIVE-ENGINE NODE-ENGINE.js WORK-DIR
# Exits 77 (skipped) when the WebAssembly engine or node is missing.
import os
import random
import shutil
import subprocess
import sys

SCRIPTS = 64
LEVELS = ["easy", "medium", "hard"]


def script(number):
    rng = random.Random(number)
    lines = [f"seed {rng.randrange(86400)}"]
    # Every fourth script gives the game its random values itself, as
    # decimals the script parser reads.
    if number % 4 == 3:
        values = ("0." + "".join(rng.choice("0123456789") for _ in range(rng.randrange(1, 10))) for _ in range(5000))
        lines.append("random " + " ".join(values))
    for _ in range(rng.choice([1, 2, 3])):
        lines.append(f"select {rng.choice(LEVELS)}")
        edges = [f"{family} {index}" for family in "vh" for index in range(1, 31)]
        rng.shuffle(edges)
        for edge in edges:
            lines.append(f"click {edge}")
            roll = rng.random()
            if roll < 0.05:
                lines.append("undo")
            elif roll < 0.08:
                lines.append(f"select {rng.choice(LEVELS)}")
        if rng.random() < 0.5:
            lines.append(f"seed {rng.randrange(86400)}")
        lines.append("new")
    return "\n".join(lines) + "\n"


def run(command, path):
    done = subprocess.run(command + ["replay", path], capture_output=True, check=False)
    return done.returncode, done.stdout, done.stderr


def main():
    native, node_engine, work = sys.argv[1], sys.argv[2], sys.argv[3]
    node = shutil.which("node")
    if not node or not os.path.exists(node_engine):
        print("skipped: no node or no WebAssembly engine (make web needs emscripten)")
        return 77
    os.makedirs(work, exist_ok=True)
    differing = []
    for number in range(SCRIPTS):
        path = os.path.join(work, f"script-{number:02}.txt")
        with open(path, "w", encoding="ascii") as out:
            out.write(script(number))
        expected = run([native], path)
        got = run([node, node_engine], path)
        if expected != got:
            differing.append(path)
        elif expected[0] != 0 or expected[1].count(b"\n") < 60:
            print(f"{path}: the native engine did not play it (status {expected[0]})")
            return 1
    for path in differing:
        print(f"{path}: the WebAssembly transcript differs from the native one")
    print(f"{SCRIPTS - len(differing)} of {SCRIPTS} transcripts identical")
    return 1 if differing else 0


sys.exit(main())
