// The reader of Steam's list of libraries on any bytes, finding no more paths than it holds; and a
// list written from the input's pieces, quotes and backslashes escaped, reads back as those pieces'
// paths.
#include "fuzz_check.h"
#include "places/steam_libraries.h"

#include <QByteArray>
#include <QList>

using namespace vornelle;

namespace {

QByteArray quoted(QByteArray text) {
    return '"' + text.replace('\\', "\\\\").replace('"', "\\\"") + '"';
}

// A list with one library for each piece of the input between NUL bytes, its path the piece,
// next to a label that reads as no path.
void checkWrittenReadsBack(QByteArrayView input) {
    const QList<QByteArray> pieces = input.toByteArray().split('\0');
    QByteArray list = "\"libraryfolders\"\n{\n";
    QStringList paths;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        list += "\t\"" + QByteArray::number(i) + "\"\n\t{\n\t\t\"path\"\t\t" + quoted(pieces[i]) +
                "\n\t\t\"label\"\t\t" + quoted(pieces[i]) + "\n\t\t\"apps\" { \"7\" \"1\" }\n\t}\n";
        paths.append(QString::fromUtf8(pieces[i]));
    }
    require(libraryFolderPaths(list + "}\n") == paths, "written list read back otherwise");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto paths = libraryFolderPaths(input);
    // The shortest pair is a bare key and an empty string: path"" is six bytes.
    require(!paths || paths->size() <= input.size() / 6, "more paths than the text can hold");
    checkWrittenReadsBack(input);
    return 0;
}
