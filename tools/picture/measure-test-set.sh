#!/usr/bin/env bash
# Reads every picture of a test set folder (made by make-test-set.sh) with
# mozeldouble-solve --from-image and prints, per distortion group and per font, the share of
# grid cells read right, the pictures read exactly (pattern, diagonal rule and every cell), the
# wrong pictures without a doubtful cell, and of those the ones whose reading has exactly one
# solution (a wrong problem that nothing flags). Builds mozeldouble-solve first when needed.
#   measure-test-set.sh FOLDER
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: measure-test-set.sh FOLDER" >&2
  exit 2
fi
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${MOZEL_BUILD_DIR:-$root/build}
ninja -C "$build" mozeldouble-solve >/dev/null
solve="$build/src/app/solve/mozeldouble-solve"
readings=$(mktemp)
trap 'rm -f "$readings"' EXIT
"$solve" --from-image --json "$1" >"$readings" || true
python3 - "$1/truth.tsv" "$readings" "$solve" <<'PY'
import json, subprocess, sys
truth_path, readings_path, solve = sys.argv[1:]
rows = [line.rstrip("\n").split("\t") for line in open(truth_path, encoding="utf-8")]
head, rows = rows[0], rows[1:]
truth = {r[0]: dict(zip(head, r)) for r in rows}
read = {}
for line in open(readings_path, encoding="utf-8"):
    j = json.loads(line)
    read[j["file"].split("/")[-1]] = j
# Wrong readings without a doubtful cell: does the engine find exactly one solution for them?
quiet = [f for f, t in truth.items() if f in read and "line" in read[f] and read[f]["line"] != t["problem"]
         and not any(read[f]["doubtful"][0] + read[f]["doubtful"][1])]
unique = set()
if quiet:
    out = subprocess.run([solve, "--json", "-"], input="\n".join(read[f]["line"] for f in quiet) + "\n",
                         capture_output=True, text=True).stdout.splitlines()
    unique = {quiet[i] for i, o in enumerate(out) if json.loads(o)["status"] == "unique"}
def tally(key):
    table = {}
    for f, t in truth.items():
        s = table.setdefault(t[key], [0, 0, 0, 0, 0, 0])
        s[0] += 1
        s[1] += 162
        j = read.get(f, {})
        if "line" not in j:
            continue
        got, want = j["line"].split(), t["problem"].split()
        if got[0] == want[0]:
            s[2] += sum(a == b for a, b in zip(got[1] + got[2], want[1] + want[2]))
        if j["line"] == t["problem"]:
            s[3] += 1
        elif f in quiet:
            s[4] += 1
            s[5] += f in unique
    return table
def show(title, table):
    print(f"{title:<18} {'pictures':>8} {'cells right':>12} {'exact':>7} {'wrong, none doubtful':>21} {'of them unique':>15}")
    total = [0] * 6
    for name, s in table.items():
        total = [a + b for a, b in zip(total, s)]
        print(f"{name:<18} {s[0]:>8} {100 * s[2] / s[1]:>11.2f}% {100 * s[3] / s[0]:>6.1f}% {s[4]:>21} {s[5]:>15}")
    print(f"{'all':<18} {total[0]:>8} {100 * total[2] / total[1]:>11.2f}% {100 * total[3] / total[0]:>6.1f}% {total[4]:>21} {total[5]:>15}")
show("group", tally("group"))
print()
show("font", tally("font"))
# The doubt threshold: cells of boards found with the right pattern, by confidence.
cells = []
for f, t in truth.items():
    j = read.get(f, {})
    if "line" in j and j["line"].split()[0] == t["problem"].split()[0]:
        got, want = j["line"].split(), t["problem"].split()
        cells += [(c, a == b) for c, a, b in zip(j["confidence"][0] + j["confidence"][1], got[1] + got[2], want[1] + want[2])]
print()
print(f"{'doubtful below':<16} {'wrong cells not doubtful':>25} {'right cells doubtful':>21}")
for threshold in (0.5, 0.7, 0.8, 0.9, 0.95, 0.99):
    print(f"{threshold:<16} {sum(1 for c, ok in cells if not ok and c >= threshold):>25} {sum(1 for c, ok in cells if ok and c < threshold):>21}"
          f"  of {sum(1 for c, ok in cells if not ok)} wrong, {sum(1 for c, ok in cells if ok)} right")
PY
