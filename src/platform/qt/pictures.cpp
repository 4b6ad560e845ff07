#include "platform/qt/pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <span>
#include <vector>

#include "platform/qt/picture_data.h"
#include "platform/shared/picture_rendering.h"

namespace orvane::platform::qt {
namespace {

using pictures::Image;

// A picture in several sizes that turns a size into pixels only when it is asked for: a window
// shows one or two of them. What it gives is what an icon holding every size gives: it fills a
// QIcon with the size such an icon would pick, and lets that icon answer.
class PictureEngine final : public QIconEngine {
  public:
    explicit PictureEngine(std::span<const Image> images) : images_(images) {
        for (const Image& image : images) {
            sizes_.push_back(image.size);
        }
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loadedFor(size).pixmap(size, 1.0, mode, state);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return loadedFor(size).pixmap(size / scale, scale, mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        loadedFor(rect.size() * painter->device()->devicePixelRatio())
            .paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loadedFor(size).actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off) {
            for (const Image& image : images_) {
                sizes.append(QSize(image.size, image.size));
            }
        }
        return sizes;
    }

    bool isNull() override { return images_.empty(); }
    QIconEngine* clone() const override { return new PictureEngine(*this); }

  private:
    PictureEngine(const PictureEngine& other) = default;

    // The picture the Win32 backend draws at the same size, as QIcon would pick it.
    const Image& bestFor(const QSize& size) const {
        const int rendering = pictureRendering(sizes_, size.width(), size.height());
        return *std::find_if(images_.begin(), images_.end(),
                             [rendering](const Image& image) { return image.size == rendering; });
    }

    const QIcon& loadedFor(const QSize& size) {
        const Image& image = bestFor(size);
        const QSize imageSize(image.size, image.size);
        if (!loaded_.availableSizes().contains(imageSize)) {
            QImage pixels(image.pixels, image.size, image.size, image.size,
                          QImage::Format_Indexed8);
            pixels.setColorTable(colourTable());
            loaded_.addPixmap(QPixmap::fromImage(pixels));
        }
        return loaded_;
    }

    static const QList<QRgb>& colourTable() {
        static const QList<QRgb> table(pictures::kColours.begin(), pictures::kColours.end());
        return table;
    }

    std::span<const Image> images_;  // by size, smallest first
    std::vector<int> sizes_;         // theirs
    QIcon loaded_;
};

std::span<const Image> imagesOf(Picture picture) {
    switch (picture) {
        case Picture::MonitorHousing:
            return pictures::kOrvane;
        case Picture::FolderWithMagnifier:
            return pictures::kDataFolder;
        case Picture::DeskGlobe:
            return pictures::kProductPage;
        case Picture::None:
            break;
    }
    return {};
}

}  // namespace

QIcon pictureIcon(Picture picture) {
    const std::span<const Image> images = imagesOf(picture);
    return images.empty() ? QIcon() : QIcon(new PictureEngine(images));
}

}  // namespace orvane::platform::qt
