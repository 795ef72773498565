#include "RandomEvents.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "PuzzleState.h"
#include "board/BoardCell.h"
#include "board/PatternTables.h"
#include "board/frmAllGamen.h"
#include "program/Program.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/FormRegistry.h"
#include "ui/ImageCombo.h"
#include "ui/TextBox.h"
#include "ui/UpDown.h"
#include "ui/Keys.h"
#include "ui/UserInput.h"
#include "ui/Value.h"

namespace randomevents {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kRecentEvents = 60;
// Every so many events, all steps are undone and redone.
constexpr int kUndoAllEvery = 500;
// The windows whose whole state goes back to the start with every step undone; the others
// (the collection and options windows) set themselves up anew when they open.
const std::vector<std::string> kPuzzleWindows = {"frmAllGamen", "frmMozelAuto", "frmMozelAuto2", "frmKouho"};

// Typed keys: digits, letters, full-width characters, blanks, backspace and control codes.
const std::vector<std::string> kKeys = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "5", "7", " ", "\b",
                                        "a", "Z", "-", ".", "５", "あ", "漢", "\x01", "\t", "\r", "\x0c", "\x1b"};
// Texts set into boxes as code would.
const std::vector<std::string> kTexts = {"", "  ", " ", "1", "5", "9", "0", "12", "-3", "-32769", "32767", "65536",
                                         "99999999999999999999", "1e308", "abc", "５", " 7 ", "&H10", "3.5",
                                         "問題の説明", "\x01"};

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        if (c == '\b') {
            out += "\\b";
            continue;
        }
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

std::string Target(const ui::Control& c) { return c.form().name() + "." + c.path(); }

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool IsJudgeCommand(const ui::Control& c) {
    return c.form().name() == "frmAllGamen" &&
           (c.name() == "cmdHantei" || c.name() == "cmdHantei123" || c.name() == "cmdHanteiA");
}

}  // namespace

std::optional<std::string> RandomServices::OpenFile(const std::string& initialPath, const std::string&) {
    (void)initialPath;
    static const std::vector<std::string> names = {"問題01.txt", "scratch.txt", "missing/none.txt"};
    int choice = static_cast<int>(rng_() % 4);
    if (choice == 3) {
        answers.push_back("answer open cancel");
        return std::nullopt;
    }
    std::string path = (folder_ / fs::path(names[static_cast<std::size_t>(choice)])).string();
    answers.push_back("answer open " + Quoted(path));
    return path;
}

int RandomServices::Ask(const std::string& text, ui::MsgIcon icon, const std::vector<std::string>& buttons, int focus) {
    if (!buttons.empty()) {
        const std::string& button = buttons[static_cast<std::size_t>(rng_() % buttons.size())];
        answers.push_back("answer msgbox " + Quoted(button));
        queueAnswer(button);
    }
    return HeadlessServices::Ask(text, icon, buttons, focus);
}

void RandomServices::Run(std::function<void()>, std::function<void()> done) {
    answers.push_back("# the worker makes nothing");
    done();
}

bool RandomServices::PrinterDialog() {
    bool ok = rng_() % 2 == 0;
    answers.push_back(ok ? "answer print ok" : "answer print cancel");
    return ok;
}

Run::Run(uint64_t seed, fs::path folder) : seed_(seed), rng_(seed), folder_(std::move(folder)) { restart(); }

Run::~Run() = default;

std::string Run::summary() const {
    return std::to_string(eventsRun_) + " events, " + std::to_string(restarts_) + " restarts, " +
           std::to_string(judgeCommands_) + " judge commands, " + std::to_string(messages_) +
           " message boxes, " + std::to_string(collectionWrites_) + " collection writes, at most " +
           std::to_string(mostFilled_) + " filled cells, " + std::to_string(secondEvents_) +
           " events by a second program on the same collections, " + std::to_string(undoChecks_) +
           " undo and redo checks";
}

void Run::switchProgram() {
    std::swap(program_, otherProgram_);
    std::swap(services_, otherServices_);
    std::swap(startState_, otherStartState_);
    onSecond_ = !onSecond_;
    log(onSecond_ ? "# events to the second program" : "# events to the first program");
    if (!program_) restart();
}

void Run::restart() {
    if (services_) {
        ++restarts_;
        messages_ += services_->messages().size();
    }
    program_.reset();
    services_ = std::make_unique<RandomServices>(rng_, folder_);
    services_->setProgramFolder(folder_.string());
    services_->setDataFolder(folder_.string());
    program_ = std::make_unique<program::Program>(services_->services());
    log("start");
    program_->Start();
    startState_ = puzzlestate::Dump(*program_, kPuzzleWindows);
}

void Run::log(std::string line) {
    recent_.push_back(std::move(line));
    if (recent_.size() > kRecentEvents) recent_.pop_front();
}

std::string Run::report(const std::string& failure) const {
    std::ostringstream out;
    out << "random events: seed " << seed_ << ", event " << eventsRun_ << ": " << failure << "\n"
        << "# the last events, as a mozeldouble-run script (--folder " << folder_.string() << "):\n";
    for (const std::string& line : recent_) out << line << "\n";
    return out.str();
}

std::optional<std::string> Run::events(int count) {
    for (int i = 0; i < count; ++i) {
        bool second = i >= count / 3 && i < 2 * count / 3 && below(2) == 0;
        if (second != onSecond_) switchProgram();
        if (second) ++secondEvents_;
        snapshotCollections();
        judged_ = false;
        services_->answers.clear();
        try {
            // One user event, the window it refers to created inside it.
            ui::FormRegistry::EventScope scope(program_->forms());
            oneEvent();
        } catch (const std::exception& e) {
            return std::string("an exception left the event: ") + e.what();
        }
        ++eventsRun_;
        if (judged_) ++judgeCommands_;
        if (auto failure = checkCollections()) return failure;
        if (program_->ended()) {
            log("# the program ended");
            restart();
            continue;
        }
        if (auto failure = checkInvariants()) return failure;
        if (auto failure = checkUndoRedo()) return failure;
        if (eventsRun_ % kUndoAllEvery == 0) {
            if (auto failure = checkUndoAll()) return failure;
        }
    }
    if (!program_->ended()) return checkUndoAll();
    return std::nullopt;
}

std::optional<std::string> Run::checkUndoRedo() {
    ui::Journal& journal = program_->journal();
    if (!journal.canUndo()) return std::nullopt;
    ++undoChecks_;
    const std::string before = puzzlestate::Dump(*program_);
    journal.undo();
    journal.redo();
    const std::string after = puzzlestate::Dump(*program_);
    if (after != before) return "undo then redo changed the state, " + puzzlestate::FirstDifference(before, after);
    return std::nullopt;
}

std::optional<std::string> Run::checkUndoAll() {
    ui::Journal& journal = program_->journal();
    const std::string before = puzzlestate::Dump(*program_);
    int steps = 0;
    for (; journal.canUndo(); ++steps) journal.undo();
    log("# every step undone (" + std::to_string(steps) + ")");
    const std::string start = puzzlestate::Dump(*program_, kPuzzleWindows);
    if (start != startState_) {
        return "undoing all " + std::to_string(steps) + " steps did not give the start state, " +
               puzzlestate::FirstDifference(startState_, start);
    }
    while (journal.canRedo()) journal.redo();
    log("# every step redone");
    const std::string after = puzzlestate::Dump(*program_);
    if (after != before) return "redoing all steps did not give the state back, " + puzzlestate::FirstDifference(before, after);
    return std::nullopt;
}

void Run::oneEvent() {
    int roll = below(100);
    std::vector<std::string> names = program_->forms().names();
    if (roll < 40) {
        boardEvent();
    } else if (roll < 99) {
        actOn(program_->forms().get(pick(names)));
    } else {
        std::vector<ui::Form*> loaded = program_->forms().loaded();
        if (loaded.empty()) return;
        ui::Form& form = *pick(loaded);
        std::string line = "close " + form.name();
        ui::CloseWindow(program_->forms(), form);
        for (const std::string& answer : services_->answers) log(answer);
        log(line);
    }
}

// Events on the board that make judgements meaningful: digits typed into pattern cells, cells
// clicked with a palette digit, and the judge commands.
void Run::boardEvent() {
    board::frmAllGamen& main = program_->frmAllGamen();
    board::cmnMod01& cmn = program_->cmn();
    int roll = below(10);
    std::string line;
    if (roll < 6) {
        int c = 0;
        do c = 1 + below(board::kBoardCells);
        while (cmn.PatternMasu[static_cast<std::size_t>(cmn.PatternNo)][static_cast<std::size_t>(c)] == 0);
        ui::TextBox& cell = main.text1(c);
        if (roll < 3) {
            std::string key = below(8) == 0 ? pick(kKeys) : std::to_string(1 + below(9));
            line = "key " + Target(cell) + " " + Quoted(key);
            ui::TypeText(program_->forms(), cell, key);
        } else if (roll == 3) {
            // A candidate taken out or put back, by Shift+digit or a right click on its place.
            const int d = 1 + below(9);
            if (below(2) == 0) {
                line = "press " + Target(cell) + " \"Shift+" + std::to_string(d) + "\"";
                ui::Press(program_->forms(), cell, {'0' + d, ui::kShiftMask});
            } else {
                const int x = (2 * ((d - 1) % 3) + 1) * cell.width() / 6, y = (2 * ((d - 1) / 3) + 1) * cell.height() / 6;
                line = "mouse " + Target(cell) + " right " + std::to_string(x) + " " + std::to_string(y);
                ui::MouseDown(program_->forms(), cell, ui::kRightButton, x, y);
            }
        } else {
            ui::Click(program_->forms(), main.SUUJI1(below(10)));
            line = "mouse " + Target(cell);
            ui::MouseDown(program_->forms(), cell, ui::kLeftButton);
        }
    } else if (roll < 9) {
        ui::Control* command = nullptr;
        int which = below(10);
        if (which < 5) command = &main.cmdHantei(1 + below(9));
        else if (which < 7) command = &main.cmdHantei123;
        else if (which < 9) command = &main.cmdHanteiA(1 + below(3));
        else command = &main.cmdHint;
        line = "click " + Target(*command);
        ui::Click(program_->forms(), *command);
        judged_ = true;
    } else {
        // Now and then an empty board and another pattern.
        ui::Control& command = below(4) == 0 ? static_cast<ui::Control&>(main.cmdClear01) : main.cmdPattern;
        line = "click " + Target(command);
        ui::Click(program_->forms(), command);
    }
    for (const std::string& answer : services_->answers) log(answer);
    log(line);
}

void Run::actOn(ui::Form& form) {
    const std::vector<ui::Control*>& controls = form.controls();
    if (controls.empty()) return;
    ui::Control& control = *pick(controls);
    std::string line;
    ui::FormRegistry& forms = program_->forms();
    if (auto* box = dynamic_cast<ui::TextBox*>(&control)) {
        int roll = below(3);
        if (roll == 0) {
            typeInto(*box);
            return;
        }
        if (roll == 1) {
            line = "mouse " + Target(*box) + (below(2) ? " right" : " left");
            ui::MouseDown(forms, *box, line.ends_with("right") ? ui::kRightButton : ui::kLeftButton);
        } else {
            std::string text = pick(kTexts);
            line = "set " + Target(*box) + ".Text " + Quoted(text);
            ui::FormRegistry::EventScope scope(forms);
            box->setText(text);
        }
    } else if (dynamic_cast<ui::Clickable*>(&control)) {
        line = "click " + Target(control);
        judged_ = IsJudgeCommand(control);
        ui::Click(forms, control);
    } else if (auto* combo = dynamic_cast<ui::ImageCombo*>(&control)) {
        if (combo->items().empty()) return;
        const std::string& name = pick(combo->items()).name;
        line = "pick " + Target(*combo) + " " + Quoted(name);
        ui::Pick(forms, *combo, name);
    } else if (auto* spinner = dynamic_cast<ui::UpDown*>(&control)) {
        bool up = below(2) == 0;
        line = std::string(up ? "up " : "down ") + Target(*spinner);
        if (up) ui::SpinUp(forms, *spinner);
        else ui::SpinDown(forms, *spinner);
    } else {
        return;  // labels and drawing surfaces take no input
    }
    for (const std::string& answer : services_->answers) log(answer);
    log(line);
}

void Run::typeInto(ui::Control& control) {
    auto& box = static_cast<ui::TextBox&>(control);
    std::string keys;
    for (int n = 1 + below(3); n > 0; --n) keys += pick(kKeys);
    std::string line = "key " + Target(box) + " " + Quoted(keys);
    ui::TypeText(program_->forms(), box, keys);
    for (const std::string& answer : services_->answers) log(answer);
    log(line);
}

std::optional<std::string> Run::checkInvariants() {
    board::cmnMod01& cmn = program_->cmn();
    if (cmn.PatternNo < 1 || cmn.PatternNo > board::kPatternCount)
        return "PatternNo is " + std::to_string(cmn.PatternNo);
    static const std::vector<int> hintKinds = {0, 1, 2, 4, 31, 32};
    if (std::find(hintKinds.begin(), hintKinds.end(), cmn.HintKind) == hintKinds.end())
        return "HintKind is " + std::to_string(cmn.HintKind);
    if (cmn.SolvedMark != 0 && cmn.SolvedMark != 9) return "SolvedMark is " + std::to_string(cmn.SolvedMark);
    if (!program_->forms().isLoaded("frmAllGamen")) return std::nullopt;
    board::frmAllGamen& main = program_->frmAllGamen();
    const auto& codes = cmn.PatternMasu[static_cast<std::size_t>(cmn.PatternNo)];
    if (main.text1(0).visible()) return "text1(0) is shown";
    int filled = 0;
    for (int c = 1; c <= board::kBoardCells; ++c) {
        bool inPattern = codes[static_cast<std::size_t>(c)] != 0;
        if (main.text1(c).visible() != inPattern)
            return "board cell " + std::to_string(c) + (inPattern ? " of the pattern is hidden" : " outside the pattern is shown");
        if (inPattern && board::IsFilledCell(main.text1(c).text())) ++filled;
    }
    mostFilled_ = std::max(mostFilled_, filled);
    // A judge command ends with the board's filled cells counted again.
    if (judged_ && ui::Val(main.lblSetCount.caption()) != filled)
        return "after a judge command lblSetCount shows " + main.lblSetCount.caption() + " but " +
               std::to_string(filled) + " cells are filled";
    return std::nullopt;
}

std::vector<std::string> Run::Listing(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void Run::snapshotCollections() {
    outside_ = Listing(fs::current_path());
    collections_.clear();
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(folder_, ec)) {
        // The board kept for 続きから lives here too; it is no collection.
        if (entry.path().filename().string().starts_with("続きから")) continue;
        if (entry.is_regular_file()) collections_.emplace_back(entry.path(), ReadAll(entry.path()));
    }
}

// A save writes the two records of one problem, or appends; nothing else of a file changes.
std::optional<std::string> Run::checkCollections() {
    // The program writes only where the user pointed it: here, inside the scratch folder.
    if (Listing(fs::current_path()) != outside_) return "a file appeared or vanished outside the scratch folder, in " + fs::current_path().string();
    constexpr std::size_t kRecord = 255;
    for (const auto& [path, before] : collections_) {
        std::string after = ReadAll(path);
        if (after != before) ++collectionWrites_;
        if (after.size() < before.size())
            return path.filename().string() + " shrank from " + std::to_string(before.size()) + " to " +
                   std::to_string(after.size()) + " bytes";
        std::vector<std::size_t> changed;
        for (std::size_t r = 0; r * kRecord < before.size(); ++r) {
            std::size_t length = std::min(kRecord, before.size() - r * kRecord);
            if (before.compare(r * kRecord, length, after, r * kRecord, length) != 0) changed.push_back(r + 1);
        }
        bool onePair = changed.empty() || (changed.size() <= 2 && changed.front() % 2 == 1 &&
                                           changed.back() <= changed.front() + 1);
        if (!onePair) {
            std::string records;
            for (std::size_t r : changed) records += " " + std::to_string(r);
            return path.filename().string() + ": records changed that are not one problem:" + records;
        }
    }
    return std::nullopt;
}

}  // namespace randomevents
