#pragma once

#include <QWidget>
#include <memory>

namespace orvane::bench {

// The baseline for the editor's start-up: one empty top-level window of the editor's size, shown.
std::unique_ptr<QWidget> showMinimalWindow();

// The same window with one line of text in the default font: the least any window that shows text
// pays, as the first text brings up the font system (fontconfig and FreeType).
std::unique_ptr<QWidget> showMinimalWindowWithText();

}  // namespace orvane::bench
