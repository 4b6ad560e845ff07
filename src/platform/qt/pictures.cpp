#include "platform/qt/pictures.h"

#include <QString>

namespace orvane::platform::qt {
namespace {

QIcon iconFromFiles(const QString& stem, std::initializer_list<int> sizes) {
    QIcon icon;
    for (const int size : sizes) {
        icon.addFile(QStringLiteral(":/icons/%1_%2.xpm").arg(stem).arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace

QIcon pictureIcon(Picture picture) {
    switch (picture) {
        case Picture::MonitorHousing:
            return iconFromFiles(QStringLiteral("orvane"), {32, 48, 64});
        case Picture::FolderWithMagnifier:
            return iconFromFiles(QStringLiteral("data_folder"), {16, 24, 32, 48, 64});
        case Picture::DeskGlobe:
            return iconFromFiles(QStringLiteral("product_page"), {16, 24, 32, 48, 64});
        case Picture::None:
            break;
    }
    return {};
}

}  // namespace orvane::platform::qt
