// Fixed amounts of work on the real window and on the plain one, each in a function of its own,
// for callgrind to count the instructions of: run it under
//   valgrind --tool=callgrind --toggle-collect='*measured*'
// and read each measured...() function's inclusive count. Prints, as JSON, how many loads, drag
// positions and characters each function does, to divide by.

#include <QApplication>
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

[[gnu::noinline]] int measuredEditorDrag(EditorTarget& target, ThumbDrag& drag) {
    return drag.acrossAndBack(target.window());
}

[[gnu::noinline]] int measuredPlainDrag(PlainTarget& target, ThumbDrag& drag) {
    return drag.acrossAndBack(target.window());
}

template <typename Target>
void typeCharacters(Target& target) {
    for (int character = 0; character < kCharacters; ++character) {
        QTest::keyClick(&target.field, 'a');
        paintPendingUpdates(target.window());
    }
}

[[gnu::noinline]] void measuredEditorTyping(EditorTarget& target) {
    typeCharacters(target);
}

[[gnu::noinline]] void measuredPlainTyping(PlainTarget& target) {
    typeCharacters(target);
}

template <typename Target>
int dragAndType(Target& target, int (*measuredDrag)(Target&, ThumbDrag&),
                void (*measuredTyping)(Target&)) {
    ThumbDrag drag(target.bar);
    target.resetAlarms();
    // One drag first, so that what is loaded or cached once is not counted.
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);

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

    const int positions = dragAndType(editor, measuredEditorDrag, measuredEditorTyping);
    PlainTarget plain;
    dragAndType(plain, measuredPlainDrag, measuredPlainTyping);

    std::printf(R"({"loads": %d, "drag_positions": %d, "characters": %d})"
                "\n",
                kLoads, positions, kCharacters);
    return 0;
}
