#include "platform/qt/pictures.h"

#include <QImageReader>
#include <QPixmap>
#include <QString>

namespace orvane::platform::qt {
namespace {

// Read as XPM, which Qt reads itself: a reader left to detect the format first loads every image
// format plugin installed (SVG, JPEG...) to ask each whether it reads the file.
QPixmap readXpm(const QString& path) {
    QImageReader reader(path, "xpm");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon iconFromFiles(const QString& stem, std::initializer_list<int> sizes) {
    QIcon icon;
    for (const int size : sizes) {
        icon.addPixmap(readXpm(QStringLiteral(":/icons/%1_%2.xpm").arg(stem).arg(size)));
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
