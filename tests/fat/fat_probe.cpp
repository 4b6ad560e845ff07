// The editor's file layer against SETTINGS.TXT in a folder on a FAT medium, as
// tests/fat/fat-stage.sh drives it inside user-mode Linux, on a window without a toolkit:
//
//   fat_probe FOLDER    saves one generation after another until it is killed, the job
//                       description "Generation N", printing "saving N" before each save and
//                       "saved N" once it is reported

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "platform/posix/path_bytes.h"
#include "platform/shared/utf8.h"
#include "settings/settings_file.h"
#include "support/fake_window.h"

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

int saves(orvane::test::FakeEditor& editor, const std::u16string& folder) {
    for (int generation = 1;; ++generation) {
        const std::string number = std::to_string(generation);
        editor.form().setJobDescription(u"Generation " +
                                        std::u16string(number.begin(), number.end()));
        say("saving " + number);
        const orvane::platform::FileError error = orvane::SaveSettings(editor.form(), folder);
        if (error.failed()) {
            say("failed " + number + ": " + encodeUtf8(error.reason));
            return 1;
        }
        say("saved " + number);
        // A pause about as long as a save, so that cuts come between saves as well as in them.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: fat_probe FOLDER\n", stderr);
        return 2;
    }
    const std::u16string folder = decodePath(argv[1]);
    orvane::test::FakeEditor editor;
    editor.start(folder);
    return saves(editor, folder);
}
