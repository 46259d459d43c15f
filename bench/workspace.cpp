#include "workspace.h"

#include "host_texts.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

Workspace::Workspace() : bigText_(hostText(bigLines, keyEvery)) {
    const QByteArray half = hostText(halfLines, keyEvery);
    valid_ = dir_.isValid() && QDir(dir_.path()).mkpath(u"typical/work"_s) &&
             put(u"typical/vornelle.ini", typicalHostText()) &&
             put(u"transfer/vornelle.ini", bigText_) && put(u"floor/vornelle.ini", bigText_) &&
             put(u"load%1/Vnlini.vne"_s.arg(halfLines), half) &&
             put(u"load%1/Vnlini.vne"_s.arg(bigLines), bigText_);
}

bool Workspace::put(QStringView relative, const QByteArray& bytes) const {
    const QString file = path(relative);
    QFile out(file);
    return QDir().mkpath(QFileInfo(file).path()) && out.open(QIODevice::WriteOnly) &&
           out.write(bytes) == bytes.size();
}
