#pragma once

#include <deque>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/shell.h"

namespace orvane::test {

// Answers the program's questions from a script and remembers what it was asked.
class ScriptedDialogs final : public platform::Dialogs {
  public:
    struct Shown {
        std::u16string text;
        std::u16string title;
    };

    std::deque<platform::Answer> answers;  // Cancel when empty
    std::deque<bool> confirmations;        // No when empty
    std::vector<Shown> questions;
    std::vector<Shown> confirmQuestions;
    std::vector<Shown> warnings;

    platform::Answer ask(std::u16string_view text, std::u16string_view title) override {
        questions.push_back({std::u16string(text), std::u16string(title)});
        if (answers.empty()) {
            return platform::Answer::Cancel;
        }
        const platform::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    bool confirm(std::u16string_view text, std::u16string_view title) override {
        confirmQuestions.push_back({std::u16string(text), std::u16string(title)});
        if (confirmations.empty()) {
            return false;
        }
        const bool yes = confirmations.front();
        confirmations.pop_front();
        return yes;
    }

    void warn(std::u16string_view text, std::u16string_view title) override {
        warnings.push_back({std::u16string(text), std::u16string(title)});
    }
};

// Counts beeps and records what the program asked the desktop to open.
class RecordingShell final : public platform::Shell {
  public:
    int beeps = 0;
    std::vector<std::u16string> openedFolders;
    std::vector<std::u16string> openedAddresses;
    bool launchSucceeds = true;
    // The folders that exist, where a test pretends; otherwise the file system answers.
    std::optional<std::set<std::u16string>> directories;

    void beep() override { ++beeps; }
    bool isDirectory(std::u16string_view path) override;
    bool openFolder(std::u16string_view path) override {
        openedFolders.emplace_back(path);
        return launchSucceeds;
    }
    bool openAddress(std::u16string_view address) override {
        openedAddresses.emplace_back(address);
        return launchSucceeds;
    }
};

}  // namespace orvane::test
