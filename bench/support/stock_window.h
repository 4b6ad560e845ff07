#pragma once

#include <QWidget>
#include <memory>

namespace orvane::bench {

// An empty top-level window of the editor's size (450 × 361) and font (Verdana 8.25 pt).
std::unique_ptr<QWidget> editorSizedWindow();

// The editor's window without its logic: its sixteen controls as stock Qt widgets with no
// handlers, placed, named and captioned as the editor's layout table says.
std::unique_ptr<QWidget> stockControlsWindow();

}  // namespace orvane::bench
