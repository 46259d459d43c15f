#include "window_pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A PNG read by Qt's own reader alone: asking the image format plugins whether they read PNG
// would load every one of them.
class PngReader : public QImageReader {
  public:
    explicit PngReader(const QString& file) : QImageReader(file, "png") {
        setAutoDetectImageFormat(false);
    }
};

// A picture's PNGs, one per screen scale, each read only when first drawn: a window reads those
// of its screen's scale alone. A size is drawn from the smallest PNG that covers it, or else the
// largest, as an icon holding every PNG draws it; such an icon reads them all when made.
class ScaledPictures : public QIconEngine {
  public:
    explicit ScaledPictures(const QStringList& files) {
        for (const QString& file : files)
            scales_.push_back({file, PngReader(file).size(), {}});
        std::ranges::sort(scales_, {}, [](const Scale& s) { return area(s.size); });
    }

    QIconEngine* clone() const override { return new ScaledPictures(*this); }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> sizes;
        for (const Scale& scale : scales_)
            sizes << scale.size;
        return mode == QIcon::Normal && state == QIcon::Off ? sizes : QList<QSize>();
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        QSize actual = covering(size).size;
        if (actual.width() > size.width() || actual.height() > size.height())
            actual.scale(size, Qt::KeepAspectRatio);
        return actual;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        Scale& scale = covering(size);
        if (scale.icon.isNull())
            scale.icon = QIcon(QPixmap::fromImage(PngReader(scale.file).read()));
        return scale.icon.pixmap(size, 1.0, mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const QPaintDevice* device = painter->device();
        const qreal ratio = device ? device->devicePixelRatio() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

  private:
    struct Scale {
        QString file;
        QSize size;
        QIcon icon; // the PNG once read
    };

    static int area(QSize size) { return size.width() * size.height(); }

    Scale& covering(QSize size) {
        const auto found = std::ranges::find_if(
            scales_, [size](const Scale& s) { return area(s.size) >= area(size); });
        return found != scales_.end() ? *found : scales_.back();
    }

    std::vector<Scale> scales_; // smallest first
};

} // namespace

QLatin1StringView pictureName(Picture picture) {
    switch (picture) {
    case Picture::SaveDisk:
        return QLatin1StringView("save");
    case Picture::OpenFolder:
        return QLatin1StringView("open");
    case Picture::TransferDisk:
        return QLatin1StringView("transfer");
    case Picture::None:
        break;
    }
    return {};
}

QSize pictureRoom(Picture picture) {
    const WindowLayout& layout = windowLayout();
    for (const ControlRow* row :
         {&layout.openNsButton, &layout.transferButton, &layout.openEoButton, &layout.saveNsButton,
          &layout.saveEoButton}) {
        if (row->icon == picture)
            return row->pixels().size() - QSize(8, 8);
    }
    return {};
}

QIcon pictureIcon(QLatin1StringView name) {
    static const QDir pictures(u":/pictures"_s);
    static const QStringList all = pictures.entryList(QDir::Files, QDir::Unsorted);
    QStringList files;
    for (const QString& file : all) {
        if (file.startsWith(name + u'@'))
            files << pictures.filePath(file);
    }
    return files.isEmpty() ? QIcon() : QIcon(new ScaledPictures(files));
}

QSize pictureSize(QLatin1StringView name) {
    return PngReader(u":/pictures/%1@100.png"_s.arg(name)).size();
}
