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

struct WriteFailure {
    FileFailure failure;
    bool beforeWriting; // the file could not even be opened: nothing was written
};

std::optional<WriteFailure> writeOnce(const QString& path, const QByteArray& data, bool inPlace) {
    QSaveFile file(path);
    file.setDirectWriteFallback(inPlace);
    auto failed = [&file, &path](bool beforeWriting) {
        WriteFailure failure{{path, FileFailure::Action::Write, file.errorString()}, beforeWriting};
        file.cancelWriting();
        return failure;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed(true);
    // QSaveFile::commit() does not see a short write nor a failed final flush: check both here.
    const char* p = data.constData();
    qint64 left = data.size();
    while (left > 0) {
        const qint64 written = file.write(p, left);
        if (written <= 0)
            return failed(false);
        p += written;
        left -= written;
    }
    if (!file.flush())
        return failed(false);
    if (!file.commit())
        return WriteFailure{{path, FileFailure::Action::Write, file.errorString()}, false};
    return std::nullopt;
}

bool holds(const QString& path, const QByteArray& data) {
    const auto now = readWholeFile(path);
    const auto* bytes = std::get_if<QByteArray>(&now);
    return bytes && *bytes == data;
}

} // namespace

FileOutcome writeWholeFile(const QString& path, const QByteArray& data, WriteMode mode) {
    auto failed = writeOnce(path, data, false);
    if (!failed)
        return std::nullopt;
    if (mode == WriteMode::Atomic || !failed->beforeWriting)
        return failed->failure;
    // The folder may refuse a new file beside this one: write in place, and put the former
    // content back should that write fail part-way and leave the file cut.
    const auto former = readWholeFile(path);
    failed = writeOnce(path, data, true);
    if (!failed)
        return std::nullopt;
    if (const auto* bytes = std::get_if<QByteArray>(&former); bytes && !holds(path, *bytes))
        writeOnce(path, *bytes, true);
    return failed->failure;
}
