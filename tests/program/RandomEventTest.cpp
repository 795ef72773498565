// Random events through every window. MOZEL_RANDOM_EVENTS (default 10000) and
// MOZEL_RANDOM_SEED (default 1) choose the run; a failure prints the seed and the events that
// led to it as a replayable script.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "RandomEvents.h"

namespace {

long long EnvNumber(const char* name, long long fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::stoll(text) : fallback;
}

std::filesystem::path ScratchFolder() {
    std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                   ("mozel-random-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                    "-" + std::to_string(reinterpret_cast<std::uintptr_t>(&folder)));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    // The default collection starts with three problems written by the program, so that loads
    // find problems and saves replace them.
    std::filesystem::path seed = std::filesystem::path(MOZEL_TEST_DATA) / ".." / "collection" / "corpus" / "three-problems.txt";
    std::filesystem::copy_file(seed, folder / std::filesystem::path("問題01.txt"));
    return folder;
}

}  // namespace

TEST(RandomEvents, EveryWindowKeepsItsInvariants) {
    long long count = EnvNumber("MOZEL_RANDOM_EVENTS", 10000);
    auto seed = static_cast<uint64_t>(EnvNumber("MOZEL_RANDOM_SEED", 1));
    std::filesystem::path folder = ScratchFolder();
    // The run's working folder is empty and its own, so that a file the program writes there
    // (anywhere but where the user pointed it) is seen, and nothing else writes there.
    std::filesystem::path working = folder.string() + "-cwd";
    std::filesystem::create_directories(working);
    std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(working);
    std::optional<std::string> failure;
    int run = 0;
    {
        randomevents::Run events(seed, folder);
        failure = events.events(static_cast<int>(count));
        run = events.eventsRun();
        std::cout << "random events, seed " << seed << ": " << events.summary() << "\n";
        if (failure) ADD_FAILURE() << events.report(*failure);
    }
    std::filesystem::current_path(started);
    std::filesystem::remove_all(working);
    std::filesystem::remove_all(folder);
    EXPECT_FALSE(failure);
    EXPECT_EQ(run, count);
}
