#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

// Small helpers for tests that work on real files.

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool putFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QString dataPath(const QString& name) {
    return QStringLiteral(TEST_DATA_DIR "/") + name;
}

// Whether `actual` equals the stored file tests/data/`name`. When it does not, the unified
// diff is printed and `actual` is kept in the temporary folder, to look at or to copy over.
inline bool matchesStored(const QByteArray& actual, const QString& name) {
    if (actual == fileBytes(dataPath(name)))
        return true;
    const QString kept = QDir::temp().filePath(QString(name).replace(u'/', u'-'));
    putFile(kept, actual);
    QProcess diff;
    diff.start(QStringLiteral("diff"), {QStringLiteral("-u"), dataPath(name), kept});
    diff.waitForFinished();
    qWarning("%s", diff.readAllStandardOutput().constData());
    return false;
}
