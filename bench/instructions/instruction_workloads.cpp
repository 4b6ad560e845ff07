// Fixed amounts of work on the real window and on the plain one, each in a function of its own,
// for callgrind to count the instructions of: run it under
//   valgrind --tool=callgrind --toggle-collect='*measured*'
// and read each measured...() function's inclusive count. Prints, as JSON, how many loads, drag
// positions and characters each function does, to divide by.

#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <cstdio>

#include "interaction/targets.h"
#include "interaction/thumb_drag.h"
#include "settings/settings_file.h"

namespace {

using orvane::bench::EditorTarget;
using orvane::bench::paintPendingUpdates;
using orvane::bench::PlainTarget;
using orvane::bench::ThumbDrag;

constexpr int kLoads = 100;
constexpr int kCharacters = 60;

// Loads the two typical files in turn, so that every load changes every control.
[[gnu::noinline]] void measuredLoads(orvane::Form1& form,
                                     const std::array<std::u16string, 2>& folders) {
    for (int load = 0; load < kLoads; ++load) {
        orvane::LoadSettings(form, folders[static_cast<std::size_t>(load % 2)]);
    }
}

template <typename Target>
[[gnu::noinline]] int measuredDrag(Target& target, ThumbDrag& drag) {
    return drag.acrossAndBack(target.window());
}

template <typename Target>
void typeCharacters(Target& target) {
    for (int character = 0; character < kCharacters; ++character) {
        QTest::keyClick(&target.field, 'a');
        paintPendingUpdates(target.window());
    }
}

template <typename Target>
[[gnu::noinline]] void measuredTyping(Target& target) {
    typeCharacters(target);
}

// Each measured once after the same work unmeasured, so that what is loaded or cached once is not
// counted.
template <typename Target>
int dragAndType(Target& target) {
    ThumbDrag drag(target.bar);
    target.resetAlarms();
    drag.acrossAndBack(target.window());
    target.resetAlarms();
    const int positions = measuredDrag(target, drag);
    target.field.setFocus();
    typeCharacters(target);
    target.clearField();
    paintPendingUpdates(target.window());
    measuredTyping(target);
    return positions;
}

}  // namespace

int main(int argc, char** argv) {
    const auto application = orvane::bench::startApplication(argc, argv);

    EditorTarget editor;
    QTemporaryDir other;
    orvane::bench::writeFile(other.filePath(QStringLiteral("SETTINGS.TXT")),
                             orvane::bench::kOtherTypicalSettings);
    const std::array<std::u16string, 2> folders = {other.path().toStdU16String(),
                                                   editor.session.folder()};
    orvane::LoadSettings(editor.session.form(), folders[0]);
    orvane::LoadSettings(editor.session.form(), folders[1]);
    measuredLoads(editor.session.form(), folders);
    editor.resetAlarms();

    const int positions = dragAndType(editor);
    PlainTarget plain;
    dragAndType(plain);

    std::printf(R"({"loads": %d, "drag_positions": %d, "characters": %d})"
                "\n",
                kLoads, positions, kCharacters);
    return 0;
}
