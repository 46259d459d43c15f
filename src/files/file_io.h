#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>

namespace vornelle {

// A file step that failed: which file, what went wrong, and the system's description of it.
struct FileFailure {
    enum class Problem {
        CannotRead,
        Empty,
        CannotWrite,
        WriteRefused // the file could not be opened for writing for lack of permission
    };
    QString path;
    Problem problem = Problem::CannotRead;
    QString reason; // empty for an empty file, and when the system gave none
};

// Empty when the step succeeded.
using FileOutcome = std::optional<FileFailure>;

// The whole content of a file, or why it could not be read.
[[nodiscard]] std::variant<QByteArray, FileFailure> readWholeFile(const QString& path);

// As readWholeFile, and an empty file is a failure too.
[[nodiscard]] std::variant<QByteArray, FileFailure> readNonEmptyFile(const QString& path);

enum class WriteMode {
    Atomic,         // the file is replaced only once its new content is complete
    InPlaceFallback // as Atomic, but written in place when its folder refuses a new file; a
                    // write in place that fails puts the former content back
};

// Replaces the content of `path` by `data`. On failure the former file is left as it was.
[[nodiscard]] FileOutcome writeWholeFile(const QString& path, const QByteArray& data,
                                         WriteMode mode = WriteMode::Atomic);

} // namespace vornelle
