#include "menu_entry.h"

#include "model/convention_catalogue.h"

#include <QDir>
#include <QStringDecoder>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace vornelle::menu {

namespace {

constexpr QStringView mainGroup = u"[Desktop Entry]";

// The path as an entry's text, unless it holds bytes that are not UTF-8 or a control character.
std::optional<QString> nameable(const QByteArray& path) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(path);
    if (utf8.hasError())
        return std::nullopt;
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control)
            return std::nullopt;
    return text;
}

// A string value as a desktop file writes it: a backslash doubled (the path has no control
// character, and an absolute path does not start with a blank).
QString escaped(QString value) {
    return value.replace(u'\\', u"\\\\"_s);
}

// The program as the first words of an Exec value:
// - in double quotes, where ", `, $ and \ take a backslash;
// - a % doubled, so that it is no field code;
// - through env when it holds a %: GLib's menus look for the Exec's program before they undo
//   %%, and would drop the entry;
// - escaped as any string value.
QString execProgram(const QString& program) {
    QString quoted = u"\""_s;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c == u'%' ? u"%%"_s : QString(c);
    }
    quoted += u'"';
    return escaped(program.contains(u'%') ? u"env "_s + quoted : quoted);
}

// A line's key and value. A group header, a comment or a blank line has no key that the entry
// knows: "[Desktop Entry]" has none, "# Exec=..." has "# Exec".
struct Line {
    QString key;
    QString value;
};

Line split(const QString& line) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return {};
    return {line.first(equals).trimmed(), line.sliced(equals + 1).trimmed()};
}

bool isName(const QString& key) {
    return key == u"Name"_s || key.startsWith(u"Name["_s);
}

// A string value as it reads: the escapes \s, \n, \t, \r and \\ undone.
QString unescaped(const QString& value) {
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const QChar next = value[++i];
        const qsizetype known = u"sntr\\"_s.indexOf(next);
        text += known < 0 ? QString{u'\\', next} : QString(u" \n\t\r\\"_s[known]);
    }
    return text;
}

// The TryExec of the entry's main group, unescaped; none when it has none.
std::optional<QString> tryExecOf(const QByteArray& entry) {
    bool inMain = false;
    for (const QString& line : QString::fromUtf8(entry).split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'['))
            inMain = trimmed == mainGroup;
        else if (const Line read = split(trimmed); inMain && read.key == u"TryExec"_s)
            return unescaped(read.value);
    }
    return std::nullopt;
}

} // namespace

std::optional<QByteArray> archiveEntry(const QByteArray& packageEntry,
                                       const QByteArray& programPath) {
    const std::optional<QString> program = nameable(programPath);
    if (!program)
        return std::nullopt;
    const QString icon =
        program->first(program->lastIndexOf(u'/') + 1) + archiveIconName.toString();
    QStringList entry;
    bool inMain = false;
    for (const QString& line : QString::fromUtf8(packageEntry).split(u'\n')) {
        if (line.startsWith(u'['))
            inMain = line == mainGroup;
        const Line read = split(line);
        if (read.key == u"Exec"_s) {
            // The package's program is named alone, before its arguments.
            const qsizetype arguments = read.value.indexOf(u' ');
            if (inMain)
                entry.append(u"TryExec="_s + escaped(*program));
            entry.append(u"Exec="_s + execProgram(*program) +
                         (arguments < 0 ? QString() : read.value.sliced(arguments)));
        } else if (inMain && read.key == u"Icon"_s) {
            entry.append(u"Icon="_s + escaped(icon));
        } else if (inMain && isName(read.key)) {
            entry.append(line + archiveNameSuffix.toString());
        } else if (read.key != u"TryExec"_s) {
            entry.append(line);
        }
    }
    return entry.join(u'\n').toUtf8();
}

bool entryToWrite(const std::optional<QByteArray>& existing, const QString& program) {
    if (!existing)
        return true;
    const std::optional<QString> tryExec = tryExecOf(*existing);
    return tryExec && *tryExec != program;
}

QString archiveEntryPath(const QString& dataHome, const QString& home) {
    const QDir data(QDir::isAbsolutePath(dataHome)
                        ? dataHome
                        : QDir(home).filePath(catalogue::defaultDataHome.toString()));
    return data.filePath(u"%1/%2%3"_s.arg(entriesFolder, archiveEntryId, entryExtension));
}

} // namespace vornelle::menu
