#pragma once

#include <QIcon>

#include "platform/form_design.h"

namespace orvane::platform::qt {

QIcon pictureIcon(Picture picture);

}  // namespace orvane::platform::qt
