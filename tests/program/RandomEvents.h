// A seeded stream of random user events through the model layer, with invariants checked after
// each event. Every event is logged as a mozeldouble-run script line, so a failure can be
// replayed from its seed and its last events.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "ui/HeadlessServices.h"

namespace program { class Program; }
namespace ui { class Control; class Form; }

namespace randomevents {

// Headless services whose Open box and printer dialog answer at random: a collection in the
// scratch folder, a missing file there, or cancel.
class RandomServices : public ui::HeadlessServices {
public:
    RandomServices(std::mt19937_64& rng, std::filesystem::path folder) : rng_(rng), folder_(std::move(folder)) {}
    std::optional<std::string> OpenFile(const std::string& initialPath, const std::string& filter) override;
    bool PrinterDialog() override;
    // A message box with a choice takes any of its buttons.
    int Ask(const std::string& text, ui::MsgIcon icon, const std::vector<std::string>& buttons, int focus) override;
    // A new problem is not made here (a hard level takes seconds): its end comes at once,
    // empty-handed, as after a stop.
    void Run(std::function<void()> work, std::function<void()> done) override;
    std::vector<std::string> answers;  // what the dialogs answered during the current event

private:
    std::mt19937_64& rng_;
    std::filesystem::path folder_;
};

class Run {
public:
    // folder: a scratch folder that becomes the program's folder; collection files live there.
    Run(uint64_t seed, std::filesystem::path folder);
    ~Run();

    // Runs events until count have run or an invariant fails; the failure, or nothing. In the
    // middle third of the run a second program, on the same scratch folder, takes about half of
    // the events, as a second copy of the program would.
    std::optional<std::string> events(int count);
    // The seed and the last events, as a replayable script, for a failure report.
    std::string report(const std::string& failure) const;
    int eventsRun() const { return eventsRun_; }
    // How much the run exercised: restarts, judge commands, messages, the most filled board.
    std::string summary() const;

private:
    void restart();
    // Makes the other program the one the events go to (starting it the first time).
    void switchProgram();
    void oneEvent();
    void actOn(ui::Form& form);
    void typeInto(ui::Control& box);
    void boardEvent();
    std::optional<std::string> checkInvariants();
    // Undo then redo of the last step gives back the state as it was.
    std::optional<std::string> checkUndoRedo();
    // Undo of every step since the start gives the start state; redo of them all what was.
    std::optional<std::string> checkUndoAll();
    std::optional<std::string> checkCollections();
    void snapshotCollections();
    static std::vector<std::string> Listing(const std::filesystem::path& folder);
    void log(std::string line);
    template <typename T>
    const T& pick(const std::vector<T>& items) {
        return items[std::uniform_int_distribution<std::size_t>(0, items.size() - 1)(rng_)];
    }
    int below(int n) { return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(rng_)); }

    uint64_t seed_;
    std::mt19937_64 rng_;
    std::filesystem::path folder_;
    std::unique_ptr<RandomServices> services_;
    std::unique_ptr<program::Program> program_;
    // The other program while the events go to this one.
    std::unique_ptr<RandomServices> otherServices_;
    std::unique_ptr<program::Program> otherProgram_;
    int secondEvents_ = 0;  // events that went to the second program
    std::string startState_;  // the puzzle windows right after the start of the program in use
    std::string otherStartState_;
    int undoChecks_ = 0;
    bool onSecond_ = false;
    std::deque<std::string> recent_;
    int eventsRun_ = 0;
    bool judged_ = false;  // the last event was a judge command of the main window
    int restarts_ = 0;
    int judgeCommands_ = 0;
    std::size_t messages_ = 0;
    int mostFilled_ = 0;
    int collectionWrites_ = 0;  // events after which a collection file had changed
    std::vector<std::pair<std::filesystem::path, std::string>> collections_;
    std::vector<std::string> outside_;  // the working folder's entries before the event
};

}  // namespace randomevents
