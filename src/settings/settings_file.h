#pragma once

#include <string_view>

#include "app/editor_state.h"

namespace orvane {

void LoadSettings(EditorState& state, std::u16string_view programFolder);

}  // namespace orvane
