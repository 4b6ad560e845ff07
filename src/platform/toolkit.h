#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/dialogs.h"
#include "platform/form_design.h"
#include "platform/form_events.h"
#include "platform/shell.h"
#include "platform/window.h"

namespace orvane::platform {

class Toolkit {
  public:
    virtual ~Toolkit() = default;
    virtual std::unique_ptr<Window> createWindow(const FormDesign& design, FormEvents& events) = 0;
    // Runs the event loop until the last window has closed; returns the exit code.
    virtual int run() = 0;
};

// What the program needs from its surroundings; tests hand in their own.
struct Services {
    Toolkit& toolkit;
    std::optional<std::u16string> programFolder;  // nothing when it could not be found
    Dialogs& dialogs;
    Shell& shell;
};

// The production toolkit with its dialogs, shell and the folder that holds the program.
class Desktop {
  public:
    virtual ~Desktop() = default;
    virtual Services services() = 0;
};
std::unique_ptr<Desktop> startDesktop(int& argc, char** argv);

}  // namespace orvane::platform
