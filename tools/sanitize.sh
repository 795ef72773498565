#!/usr/bin/env bash
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitize/ and
# runs them, the random-event test with 10^4 events among them. Expects the packages that
# setup.sh installs.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${MOZEL_SANITIZE_DIR:-$root/build-sanitize}

# Line tables only (-g1): the sanitizers' reports still name file and line, and the build takes
# a quarter less time than with full debugging information.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
  -DMOZEL_WERROR=ON -DMOZEL_SANITIZE=ON -DMOZEL_BUILD_BENCH=OFF
echo "MozelDouble: tests with AddressSanitizer and UndefinedBehaviorSanitizer, into $build"
cmake --build "$build"

# Qt and the font libraries keep caches for the life of the process; only leaks of our own
# code count.
export LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export MOZEL_RANDOM_EVENTS=10000
# The random-event run goes beside the other tests, its output kept apart so that its summary
# shows whole in the log after them.
events_log="$build/random-events.log"
(cd "$build/tests/program" && ./random_event_tests --gtest_brief=1) > "$events_log" 2>&1 &
events=$!
# The tests labelled "long" (the step paths of 400 generated problems, minutes in a Release
# build) would take tens of minutes here; the ordinary run keeps them, and their quick sample
# (GeneratedPathSample) runs here too.
status=0
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" -E "^RandomEvents[.]" -LE long || status=$?
events_status=0
wait "$events" || events_status=$?
echo "MozelDouble: the random-event run with $MOZEL_RANDOM_EVENTS events"
cat "$events_log"
if [ "$events_status" != 0 ]; then
  echo "MozelDouble: the random-event run failed (exit status $events_status)" >&2
  status=1
fi
exit "$status"
