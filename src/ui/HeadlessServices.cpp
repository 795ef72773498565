#include "ui/HeadlessServices.h"

#include <algorithm>

#include "ui/Form.h"

namespace ui {

const char* MsgIconName(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::None: return "none";
        case MsgIcon::Information: return "information";
        case MsgIcon::Exclamation: return "exclamation";
        case MsgIcon::Critical: return "critical";
        case MsgIcon::Question: return "question";
    }
    return "none";
}

HeadlessServices::HeadlessServices() = default;

void HeadlessServices::record(Recorded r) {
    records_.push_back(std::move(r));
    if (onRecord) onRecord(records_.back());
}

std::vector<std::string> HeadlessServices::messages() const {
    std::vector<std::string> texts;
    for (const auto& r : records_) {
        if (r.kind == Recorded::Kind::MsgBox) texts.push_back(r.text);
    }
    return texts;
}

int HeadlessServices::beeps() const {
    int count = 0;
    for (const auto& r : records_) count += r.kind == Recorded::Kind::Beep;
    return count;
}

void HeadlessServices::MsgBox(const std::string& text, MsgIcon icon) {
    record({Recorded::Kind::MsgBox, text, icon, {}, {}});
}

int HeadlessServices::Ask(const std::string& text, MsgIcon icon, const std::vector<std::string>& buttons, int) {
    int chosen = 0;
    if (!buttonAnswers_.empty()) {
        auto offered = std::find(buttons.begin(), buttons.end(), buttonAnswers_.front());
        if (offered != buttons.end()) {
            chosen = static_cast<int>(offered - buttons.begin());
            buttonAnswers_.pop_front();
        }
    }
    record({Recorded::Kind::MsgBox, text, icon, buttons, buttons.empty() ? "" : buttons[static_cast<std::size_t>(chosen)]});
    return chosen;
}

void HeadlessServices::Beep() { record({Recorded::Kind::Beep, {}, MsgIcon::None, {}, {}}); }

std::optional<std::string> HeadlessServices::OpenFile(const std::string&, const std::string&) {
    if (openAnswers_.empty()) return std::nullopt;
    auto answer = std::move(openAnswers_.front());
    openAnswers_.pop_front();
    return answer;
}

bool HeadlessServices::PrinterDialog() {
    if (printerAnswers_.empty()) return false;
    bool answer = printerAnswers_.front();
    printerAnswers_.pop_front();
    return answer;
}

void HeadlessServices::PrintText(const std::vector<std::string>& lines) {
    record({Recorded::Kind::Print, {}, MsgIcon::None, lines, {}});
}

void HeadlessServices::PrintForm(const Form& form) {
    record({Recorded::Kind::PrintForm, form.name(), MsgIcon::None, {}, {}});
}

void HeadlessServices::Randomize() { random_.seed(timer_); }

double HeadlessServices::Rnd() { return random_.next(); }

}  // namespace ui
