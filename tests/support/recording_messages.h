#pragma once
// Records every message and question and answers from a script, so no test waits for a person.
#include "platform/messages.h"

#include <deque>
#include <string>
#include <vector>

namespace mf7::test {

class RecordingMessages : public Messages {
  public:
    struct Shown {
        std::string text;
        Buttons buttons;
        bool information_icon;
    };

    Answer show(const std::string& text, Buttons buttons, bool information_icon) override {
        shown.push_back({text, buttons, information_icon});
        if (!answers.empty()) {
            Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::No;
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& s : shown)
            out.push_back(s.text);
        return out;
    }
    void clear() { shown.clear(); }

    std::vector<Shown> shown;
    // Answers to the next questions, in order; without one a question is answered No (OK).
    std::deque<Answer> answers;
};

} // namespace mf7::test
