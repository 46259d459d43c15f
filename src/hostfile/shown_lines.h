#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace vornelle {

// The lines of a host text as the window lists them. The text is kept whole with the place of
// each line, and a line is decoded from the files' code page only when it is asked for: a long
// file costs one pass over its bytes, not one string per line.
class ShownLines {
  public:
    ShownLines() = default;
    explicit ShownLines(QByteArray text);

    qsizetype size() const { return spans_.size(); }
    // Line i as it stands in the file, without its line end.
    QByteArrayView bytes(qsizetype i) const;
    // Line i decoded for display.
    QString text(qsizetype i) const;

  private:
    struct Span {
        qsizetype start;
        qsizetype length;
    };
    QByteArray text_;
    QList<Span> spans_;
};

} // namespace vornelle
