#include "file_io.h"

#include "model/convention_catalogue.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

QString FileFailure::message() const {
    const QStringView text =
        action == Action::Read ? catalogue::readFailedMessage : catalogue::writeFailedMessage;
    const QString why = reason.isEmpty() ? catalogue::unknownReason.toString() : reason;
    return text.toString().arg(QDir::toNativeSeparators(path), why);
}

std::variant<QByteArray, FileFailure> readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileFailure{path, FileFailure::Action::Read, file.errorString()};
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FileFailure{path, FileFailure::Action::Read, file.errorString()};
    return data;
}

std::variant<QByteArray, FileFailure> readNonEmptyFile(const QString& path) {
    auto result = readWholeFile(path);
    if (const auto* data = std::get_if<QByteArray>(&result); data && data->isEmpty())
        return FileFailure{path, FileFailure::Action::Read, catalogue::emptyFileReason.toString()};
    return result;
}

namespace {

FileOutcome writeOnce(const QString& path, const QByteArray& data, WriteMode mode) {
    QSaveFile file(path);
    file.setDirectWriteFallback(mode == WriteMode::InPlaceFallback);
    auto failed = [&file, &path] {
        FileFailure failure{path, FileFailure::Action::Write, file.errorString()};
        file.cancelWriting();
        return failure;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed();
    // QSaveFile::commit() does not see a short write nor a failed final flush: check both here.
    const char* p = data.constData();
    qint64 left = data.size();
    while (left > 0) {
        const qint64 written = file.write(p, left);
        if (written <= 0)
            return failed();
        p += written;
        left -= written;
    }
    if (!file.flush())
        return failed();
    if (!file.commit())
        return FileFailure{path, FileFailure::Action::Write, file.errorString()};
    return std::nullopt;
}

bool holds(const QString& path, const QByteArray& data) {
    const auto now = readWholeFile(path);
    const auto* bytes = std::get_if<QByteArray>(&now);
    return bytes && *bytes == data;
}

} // namespace

FileOutcome writeWholeFile(const QString& path, const QByteArray& data, WriteMode mode) {
    if (mode == WriteMode::Atomic)
        return writeOnce(path, data, mode);
    // A write in place that fails leaves the file cut: put the former content back.
    const auto former = readWholeFile(path);
    FileOutcome failed = writeOnce(path, data, mode);
    if (const auto* bytes = std::get_if<QByteArray>(&former);
        failed && bytes && !holds(path, *bytes))
        writeOnce(path, *bytes, mode);
    return failed;
}
