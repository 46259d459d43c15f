#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTest>

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

// One row for each stored case tests/data/<folder>/*.<extension>, named after its file; the
// column "name" holds "<folder>/<the file's name without its extension>".
inline void addStoredCases(const QString& folder, const QString& extension) {
    QTest::addColumn<QString>("name");
    for (const QString& file : QDir(dataPath(folder)).entryList({QStringLiteral("*.") + extension}))
        QTest::newRow(qPrintable(file)) << folder + u'/' + file.chopped(extension.size() + 1);
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
