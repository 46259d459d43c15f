// Renders the program's SVG pictures into PNGs at build time, so that the program needs no SVG
// support when it runs. Built for the machine that builds, also when the program is built for
// another platform.
//
//   render-icon <picture.svg> <size> <output.png>
//       a square PNG of the given size: the icon theme's fixed sizes.
//   render-icon --window <picture.svg> <output folder> <scale in percent>...
//       a window picture at the size the window shows it, once per screen scale, into
//       <output folder>/<name>@<percent>.png; <name> is the SVG's base name.

#include "window_pictures.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <array>
#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The picture fitted into `box` as Qt's SVG icons fit it, centred as a button centres its icon.
QImage rendered(QSvgRenderer& svg, QSize box) {
    QImage image(box, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QSize fitted = svg.defaultSize().scaled(box, Qt::KeepAspectRatio);
    QPainter painter(&image);
    svg.render(&painter, QRectF(QPointF((box.width() - fitted.width()) / 2,
                                        (box.height() - fitted.height()) / 2),
                                fitted));
    return image;
}

bool save(const QImage& image, const QString& path) {
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "render-icon: cannot write %s\n", qPrintable(path));
    return false;
}

// The size at which the window shows the picture of this name at scale 1.
std::optional<QSize> windowSize(const QString& name, QSize pictureSize) {
    if (name == windowIconName)
        return windowIconSize;
    for (Picture p : {Picture::SaveDisk, Picture::OpenFolder, Picture::TransferDisk}) {
        if (name == pictureName(p))
            return pictureSize.scaled(pictureRoom(p), Qt::KeepAspectRatio);
    }
    return std::nullopt;
}

int renderWindowPicture(QSvgRenderer& svg, const QString& svgPath, const QString& folder,
                        int scaleCount, char* scales[]) {
    const QString name = QFileInfo(svgPath).completeBaseName();
    const std::optional<QSize> size = windowSize(name, svg.defaultSize());
    if (!size) {
        std::fprintf(stderr, "render-icon: the window shows no picture named %s\n",
                     qPrintable(name));
        return 1;
    }
    for (int i = 0; i < scaleCount; ++i) {
        const int percent = QByteArray(scales[i]).toInt();
        // A screen scale asks for the size times the scale, rounded as Qt rounds it.
        const QSize box = *size * (percent / 100.0);
        if (percent <= 0 ||
            !save(rendered(svg, box), u"%1/%2@%3.png"_s.arg(folder, name).arg(percent)))
            return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool window = argc >= 5 && qstrcmp(argv[1], "--window") == 0;
    if (!window && argc != 4) {
        std::fputs("usage: render-icon <picture.svg> <size> <output.png>\n"
                   "       render-icon --window <picture.svg> <output folder> <percent>...\n",
                   stderr);
        return 2;
    }
    const QString svgPath = QString::fromLocal8Bit(argv[window ? 2 : 1]);
    QSvgRenderer svg(svgPath);
    if (!svg.isValid()) {
        std::fprintf(stderr, "render-icon: cannot read %s\n", qPrintable(svgPath));
        return 1;
    }
    if (window)
        return renderWindowPicture(svg, svgPath, QString::fromLocal8Bit(argv[3]), argc - 4,
                                   argv + 4);
    const int size = QByteArray(argv[2]).toInt();
    if (size <= 0) {
        std::fprintf(stderr, "render-icon: no size %s\n", argv[2]);
        return 1;
    }
    return save(rendered(svg, QSize(size, size)), QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
