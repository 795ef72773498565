#!/bin/sh
# Makes the sample problem collection data/問題01.txt with mozeldouble-solve's generator:
# every pattern at the singles and locked levels, then harder problems (subsets, wings, fish,
# chains, guess) and three with the diagonal rule. The seeds are fixed, so the same program makes the
# same collection.
#   tools/make-sample-collection.sh build/src/app/solve/mozeldouble-solve data/問題01.txt
set -eu
solve=$1
out=$2
lines=$(mktemp)
trap 'rm -f "$lines"' EXIT

for rating in singles locked; do
  for p in 1 2 3 4 5 6 7 8 9 10 11 12; do
    "$solve" --generate "$p" --rating "$rating" --seed $((p * 100)) >> "$lines"
  done
done
for p in 1 5 9; do "$solve" --generate "$p" --rating subsets --seed $((p * 100)) >> "$lines"; done
for p in 2 6 10; do "$solve" --generate "$p" --rating wings --seed $((p * 100)) >> "$lines"; done
"$solve" --generate 12 --rating fish --seed 1 >> "$lines"
for p in 3 7; do "$solve" --generate "$p" --rating chains --seed $((p * 100)) >> "$lines"; done
for p in 4 8 12; do "$solve" --generate "$p" --rating guess --seed $((p * 100)) >> "$lines"; done
for p in 3 7 11; do "$solve" --generate "$p" --diagonal --seed $((p * 100)) >> "$lines"; done

rm -f "$out"
"$solve" --write-collection "$out" "$lines" > /dev/null
