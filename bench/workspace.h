#pragma once

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

// The files the benchmark works on, written into a temporary folder removed at the end.
class Workspace {
  public:
    static constexpr int bigLines = 200000;
    static constexpr int halfLines = bigLines / 2;
    static constexpr int keyEvery = 40;

    Workspace();
    bool isValid() const { return valid_; }

    // A typical host file, and the folder the window starts in (working copy, system files).
    QString typicalHost() const { return path(u"typical/vornelle.ini"); }
    QDir typicalFolder() const { return QDir(path(u"typical/work")); }

    // The big host file the transfer rewrites, with its working copy.
    QString transferHost() const { return path(u"transfer/vornelle.ini"); }
    QString transferCopy() const { return path(u"transfer/Vnlini.vne"); }

    // The same text, for the floor: read once and written twice.
    QString floorHost() const { return path(u"floor/vornelle.ini"); }
    QString floorCopy() const { return path(u"floor/Vnlini.vne"); }

    // Folders whose working copy holds `lines` lines of the big text.
    QDir loadFolder(int lines) const { return QDir(path(QStringLiteral("load%1").arg(lines))); }

    // The big text itself, for the measures done in memory.
    const QByteArray& bigText() const { return bigText_; }

  private:
    QString path(QStringView relative) const { return dir_.filePath(relative.toString()); }
    bool put(QStringView relative, const QByteArray& bytes) const;

    QTemporaryDir dir_;
    QByteArray bigText_;
    bool valid_ = false;
};
