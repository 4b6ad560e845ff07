#include "ui/center_form.h"

namespace orvane {

void CenterForm(platform::Window& window) {
    const platform::TwipSize outer = window.outerSize();
    const platform::TwipSize screen = window.screenSize();
    window.setLeft(screen.width / 2 - outer.width / 2);
    window.setTop(screen.height / 2 - outer.height / 2);
}

}  // namespace orvane
