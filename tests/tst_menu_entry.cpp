#include "menu/menu_entry.h"
#include "test_files.h"

#include <QTest>

using namespace vornelle::menu;

namespace {

// The line of `key` in the entry's group `group`, as the file writes it.
QByteArray lineOf(const QByteArray& entry, const QByteArray& group, const QByteArray& key) {
    const QByteArray groupText = entry.sliced(entry.indexOf(group));
    const qsizetype start = groupText.indexOf('\n' + key + '=');
    return start < 0 ? QByteArray() : groupText.sliced(start + 1).split('\n').first();
}

void row(const char* name, QByteArray folder, QByteArray exec = {}, QByteArray tryExec = {}) {
    QTest::newRow(name) << folder << exec << tryExec;
}

} // namespace

class TestMenuEntry : public QObject {
    Q_OBJECT

    const QByteArray packageEntry = fileBytes(QStringLiteral(PACKAGE_ENTRY));

  private Q_SLOTS:
    // Every line but the program's place and the names is the package's.
    void archiveEntryFromPackageEntry() {
        const auto entry = archiveEntry(packageEntry, "/home/léa/Jeux/systemes-encheres");
        QVERIFY(entry && matchesStored(*entry, "menu/archive.desktop"));
    }

    // A folder's name in the program's path, and the main Exec and TryExec as the file writes
    // them; none when the path cannot be named.
    void programInFolder_data() {
        QTest::addColumn<QByteArray>("folder");
        QTest::addColumn<QByteArray>("exec");
        QTest::addColumn<QByteArray>("tryExec");
        row("blanks", "/A b  c", R"("/A b  c/p")", "/A b  c/p");
        row("accents", "/Systèmes", R"("/Systèmes/p")", "/Systèmes/p");
        row("quote", "/d'enchères", R"("/d'enchères/p")", "/d'enchères/p");
        row("dollar", "/$HOME", R"("/\\$HOME/p")", "/$HOME/p");
        row("backtick", "/`ls`", R"("/\\`ls\\`/p")", "/`ls`/p");
        row("double quote", "/a\"b", "\"/a\\\\\"b/p\"", "/a\"b/p"); // moc misreads it raw
        row("backslash", "/a\\b", R"("/a\\\\b/p")", R"(/a\\b/p)");
        row("percent", "/100% %U", R"(env "/100%% %%U/p")", "/100% %U/p");
        row("line break", "/a\nb");
        row("tab", "/a\tb");
        row("Latin-1", "/caf\xe9");
        row("cut UTF-8", "/caf\xc3");
    }

    void programInFolder() {
        QFETCH(QByteArray, folder);
        QFETCH(QByteArray, exec);
        QFETCH(QByteArray, tryExec);
        const QByteArray program = folder + "/p";
        const auto entry = archiveEntry(packageEntry, program);
        QCOMPARE(entry.has_value(), !exec.isEmpty());
        if (!entry)
            return;
        QCOMPARE(lineOf(*entry, "[Desktop Entry]", "Exec"), "Exec=" + exec + " --documents");
        QCOMPARE(lineOf(*entry, "[Desktop Action choose-prefix]", "Exec"),
                 "Exec=" + exec + " --documents --choose-prefix");
        QCOMPARE(lineOf(*entry, "[Desktop Entry]", "TryExec"), "TryExec=" + tryExec);
        // Read back, the entry names this program and no other.
        QVERIFY(!entryToWrite(entry, QString::fromUtf8(program)));
        QVERIFY(entryToWrite(entry, QString::fromUtf8(program + "2")));
    }

    // An entry already there, for the program "/a b\c/p": whether it is written over.
    void writtenOrLeft_data() {
        QTest::addColumn<QByteArray>("existing"); // "-": none
        QTest::addColumn<bool>("written");
        QTest::newRow("none") << QByteArray("-") << true;
        QTest::newRow("this program")
            << QByteArray("[Desktop Entry]\nTryExec=/a b\\\\c/p") << false;
        QTest::newRow("blanks escaped, around =")
            << QByteArray("[Desktop Entry]\nTryExec = /a\\sb\\\\c/p\n") << false;
        QTest::newRow("edited by the player")
            << QByteArray("[Desktop Entry]\nName=Mes enchères\nNoDisplay=true\nTryExec=/a "
                          "b\\\\c/p\nExec=/a\\\\sb\\\\c/p --workdir /tmp\n")
            << false;
        QTest::newRow("moved") << QByteArray("[Desktop Entry]\nTryExec=/x/a b\\\\c/p\n") << true;
        QTest::newRow("another version")
            << QByteArray("[Desktop Entry]\nTryExec=/a b\\\\c/p-1.1\n") << true;
        QTest::newRow("backslash at the end")
            << QByteArray("[Desktop Entry]\nTryExec=/a b\\\\c/p\\") << true;
        QTest::newRow("unescaped backslash")
            << QByteArray("[Desktop Entry]\nTryExec=/a b\\c/p\n") << true;
        QTest::newRow("only an action's")
            << QByteArray("[Desktop Entry]\nTryExec=/x\n[Desktop Action a]\nTryExec=/a b\\\\c/p\n")
            << true;
        QTest::newRow("without TryExec") << QByteArray("[Desktop Entry]\nName=Mine\n") << false;
    }

    void writtenOrLeft() {
        QFETCH(QByteArray, existing);
        const auto entry = existing == "-" ? std::nullopt : std::optional(existing);
        QTEST(entryToWrite(entry, u"/a b\\c/p"_qs), "written");
    }
};
QTEST_APPLESS_MAIN(TestMenuEntry)
#include "tst_menu_entry.moc"
