#pragma once

#include <QWidget>
#include <memory>

namespace orvane::bench {

// The baseline for the editor's start-up: one empty top-level window of the editor's size, shown.
std::unique_ptr<QWidget> showMinimalWindow();

}  // namespace orvane::bench
