// The editor against SETTINGS.TXT in a folder on a FAT medium, as tests/fat/fat-stage.sh drives it
// inside user-mode Linux: on a window without a toolkit, through the program's own file layer.
//
//   fat_probe session FOLDER  one edit session: the high alarm one up, the window closed and the
//                             closing question answered Yes; prints every box the editor shows
//   fat_probe saves FOLDER    saves one generation after another until it is killed, the job
//                             description "Generation N", printing "saving N" before each save and
//                             "saved N" once it is reported

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "platform/posix/path_bytes.h"
#include "platform/shared/utf8.h"
#include "settings/settings_file.h"
#include "support/fake_window.h"
#include "ui/form1_design.h"

namespace {

using orvane::platform::encodeUtf8;
using orvane::platform::posix::decodePath;

// Written at once, so that what the host reads of the console is what has happened.
void say(const std::string& line) {
    const std::string text = line + "\n";
    if (::write(STDOUT_FILENO, text.data(), text.size()) < 0) {
        std::perror("fat_probe");
    }
}

int session(orvane::test::FakeEditor& editor) {
    orvane::Form1& form = editor.form();
    editor.window().settleBar(orvane::form1::kHScroll1, form.highAlarm() + 1);
    editor.dialogs.answers.push_back(orvane::platform::Answer::Yes);
    const bool closed = editor.window().close();
    for (const auto& box : editor.dialogs.warnings) {
        say("box: " + encodeUtf8(box.text));
    }
    say(closed ? "closed" : "still open");
    return closed ? 0 : 1;
}

int saves(orvane::test::FakeEditor& editor, const std::u16string& folder) {
    for (int generation = 1;; ++generation) {
        const std::string number = std::to_string(generation);
        editor.form().setJobDescription(u"Generation " +
                                        std::u16string(number.begin(), number.end()));
        say("saving " + std::to_string(generation));
        const orvane::platform::FileError error = orvane::SaveSettings(editor.form(), folder);
        if (error.failed()) {
            say("failed " + std::to_string(generation) + ": " + encodeUtf8(error.reason));
            return 1;
        }
        say("saved " + std::to_string(generation));
        // A pause about as long as a save, so that cuts come between saves as well as in them.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view mode = argc == 3 ? argv[1] : "";
    if (mode != "session" && mode != "saves") {
        std::fputs("usage: fat_probe session|saves FOLDER\n", stderr);
        return 2;
    }
    const std::u16string folder = decodePath(argv[2]);
    orvane::test::FakeEditor editor;
    editor.start(folder);
    return mode == "session" ? session(editor) : saves(editor, folder);
}
