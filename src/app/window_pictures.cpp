#include "window_pictures.h"

#include <QDir>
#include <QIcon>
#include <QImageReader>

using namespace Qt::StringLiterals;

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
    QIcon icon;
    const QDir pictures(u":/pictures"_s);
    for (const QString& file : pictures.entryList({name + u"@*.png"_s}))
        icon.addFile(pictures.filePath(file));
    return icon;
}

QSize pictureSize(QLatin1StringView name) {
    return QImageReader(u":/pictures/%1@100.png"_s.arg(name)).size();
}
