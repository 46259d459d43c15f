#include "file_io.h"

#include <QFile>
#include <QLoggingCategory>
#include <QSaveFile>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#endif

namespace vornelle {

namespace {

Q_LOGGING_CATEGORY(fileLog, "vornelle.files")

// The system's last error, which tells a refusal apart when Qt's error does not.
#ifdef Q_OS_WIN
void forgetSystemError() {
    SetLastError(ERROR_SUCCESS);
}
bool systemRefusedAccess() {
    return GetLastError() == ERROR_ACCESS_DENIED;
}
#else
void forgetSystemError() {
    errno = 0;
}
bool systemRefusedAccess() {
    return errno == EACCES || errno == EPERM;
}
#endif

} // namespace

std::variant<QByteArray, FileFailure> readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileFailure{path, FileFailure::Problem::CannotRead, file.errorString()};
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FileFailure{path, FileFailure::Problem::CannotRead, file.errorString()};
    return data;
}

std::variant<QByteArray, FileFailure> readNonEmptyFile(const QString& path) {
    auto result = readWholeFile(path);
    if (const auto* data = std::get_if<QByteArray>(&result); data && data->isEmpty())
        return FileFailure{path, FileFailure::Problem::Empty, {}};
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
        const bool refused = beforeWriting && (file.error() == QFileDevice::PermissionsError ||
                                               systemRefusedAccess());
        using enum FileFailure::Problem;
        WriteFailure failure{{path, refused ? WriteRefused : CannotWrite, file.errorString()},
                             beforeWriting};
        file.cancelWriting();
        return failure;
    };
    forgetSystemError();
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
        return WriteFailure{{path, FileFailure::Problem::CannotWrite, file.errorString()}, false};
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
    if (const auto* bytes = std::get_if<QByteArray>(&former); bytes && !holds(path, *bytes)) {
        // The user is told of the first failure; this one can only be logged.
        if (const auto restore = writeOnce(path, *bytes, true))
            qCWarning(fileLog) << "could not put back the former content of" << path << ":"
                               << restore->failure.reason;
    }
    return failed->failure;
}

} // namespace vornelle
