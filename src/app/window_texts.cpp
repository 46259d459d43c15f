#include "window_texts.h"

#include <QDir>

namespace texts {

namespace {

using Problem = vornelle::FileFailure::Problem;

QString reasonOf(const vornelle::FileFailure& failure) {
    if (failure.problem == Problem::Empty)
        return QStringLiteral("le fichier est vide.");
    return failure.reason.isEmpty() ? QStringLiteral("erreur inconnue.") : failure.reason;
}

} // namespace

QString failureMessage(const vornelle::FileFailure& failure) {
    const bool reading =
        failure.problem == Problem::CannotRead || failure.problem == Problem::Empty;
    const QString text = reading ? QStringLiteral("Impossible de lire le fichier « %1 » :\n%2")
                                 : QStringLiteral("Impossible d'écrire le fichier « %1 » :\n%2");
    return text.arg(QDir::toNativeSeparators(failure.path), reasonOf(failure));
}

} // namespace texts
