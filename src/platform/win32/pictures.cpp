#include "platform/win32/pictures.h"

#include "platform/win32/resource_ids.h"

namespace orvane::platform::win32 {
namespace {

int resourceOf(Picture picture) {
    switch (picture) {
        case Picture::MonitorHousing:
            return ORVANE_ICON_MONITOR;
        case Picture::FolderWithMagnifier:
            return ORVANE_ICON_DATA_FOLDER;
        case Picture::DeskGlobe:
            return ORVANE_ICON_PRODUCT_PAGE;
        case Picture::None:
            break;
    }
    return 0;
}

}  // namespace

HICON loadPicture(Picture picture, int size) {
    const int resource = resourceOf(picture);
    if (resource == 0) {
        return nullptr;
    }
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

}  // namespace orvane::platform::win32
