// The Wine prefix chooser as a player meets it: a row for each prefix, heard by its folder, its
// front-end and when its settings changed, the focus on the row asked for; a double click; and the
// settings file that keeps the choice.
#include "chosen_prefix.h"
#include "model/convention_catalogue.h"
#include "prefix_chooser.h"
#include "test_files.h"

#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace vornelle;

Q_DECLARE_METATYPE(vornelle::PrefixToChoose)

namespace {

const QDateTime earlier(QDate(2026, 3, 1), QTime(9, 5));
const PrefixToChoose threeFound{{{{u"/p/a"_s, FrontEnd::Lutris, earlier},
                                  {u"/p/b"_s, FrontEnd::Steam, earlier.addDays(40)},
                                  {u"/p/c"_s, FrontEnd::Player, earlier.addYears(1)}},
                                 {}},
                                1,
                                {}};

// What a screen reader hears of the dialog's controls, the focused one marked by "*".
QString heard(PrefixChooser& chooser) {
    QStringList names;
    for (QWidget* w : chooser.findChildren<QWidget*>()) {
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w);
        if (!w->isVisible() || !(qobject_cast<QPushButton*>(w) || qobject_cast<QListWidget*>(w)))
            continue;
        names << reader->text(QAccessible::Name) + (w->hasFocus() ? u"*"_s : QString());
        for (int i = 0; qobject_cast<QListWidget*>(w) && i < reader->childCount(); ++i)
            names << reader->child(i)->text(QAccessible::Name) +
                         (reader->child(i)->state().focused ? u"*"_s : QString());
    }
    return names.join(u" | "_s);
}

} // namespace

class TestPrefixChooser : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void whatIsHeard_data() {
        QTest::addColumn<PrefixToChoose>("choice");
        QTest::addColumn<QString>("heard");
        QTest::newRow("three found")
            << threeFound
            << u"Préfixes Wine trouvés* | /p/a, Lutris, réglages modifiés le 1er mars 2026 à 09:05 "
               u"| "
               "/p/b, Steam, réglages modifiés le 10 avril 2026 à 09:05* | /p/c, dossier choisi, "
               "réglages modifiés le 1er mars 2027 à 09:05 | Ouvrir | Autre dossier… | Quitter"_s;
        QTest::newRow("none found")
            << PrefixToChoose{{{}, {u"/p/.wine"_s, u"/p/Games/*"_s}}, -1, u"/p/x"_s}
            << u"Autre dossier…* | Quitter | Le préfixe choisi la dernière fois, « /p/x », ne "
               "contient plus de fichier vornelle.ini.\n\nAucun préfixe Wine ne contient de "
               "fichier vornelle.ini. Endroits examinés : | /p/.wine\n/p/Games/*"_s;
    }

    void whatIsHeard() {
        QFETCH(PrefixToChoose, choice);
        PrefixChooser chooser(choice);
        chooser.show();
        QVERIFY(QTest::qWaitForWindowActive(&chooser));
        QString shown = heard(chooser);
        for (const QLabel* label : chooser.findChildren<QLabel*>())
            if (label->isVisible() && choice.found.isEmpty())
                shown += u" | "_s + label->text();
        QTEST(shown.replace(QChar(0xa0), u' '), "heard");
    }

    // Enter, Up, Escape and "Quitter" are pressed on the real program by the CI's prefix check.
    void doubleClickOpens() {
        PrefixChooser chooser(threeFound);
        chooser.show();
        QVERIFY(QTest::qWaitForWindowActive(&chooser));
        auto* rows = chooser.findChild<QListWidget*>();
        const QPoint last = rows->visualItemRect(rows->item(2)).center();
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, last);
        QTest::mouseDClick(rows->viewport(), Qt::LeftButton, {}, last);
        QCOMPARE(chooser.result(), QDialog::Accepted);
        QCOMPARE(chooser.chosenPrefix(), u"/p/c"_s);
    }

    // The choice read back, in the folder that CTest gives as XDG_CONFIG_HOME; a settings file
    // that cannot be read whole is as if there were none.
    void choiceKept() {
#ifdef Q_OS_WIN
        QSKIP("the choice of a Wine prefix is kept only where the host runs under Wine");
#endif
        const QString file = QSettings(catalogue::settingsOrganisation.toString(),
                                       catalogue::settingsApplication.toString())
                                 .fileName();
        QVERIFY2(file.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME") + u'/'), "run by CTest");
        QFile::remove(file);
        QCOMPARE(readChosenPrefix(), QString());
        keepChosenPrefix(u"/p/é"_s);
        QCOMPARE(readChosenPrefix(), u"/p/é"_s);
        QVERIFY(putFile(file, "[wine]\nprefix=/p/a\n[cut"));
        QCOMPARE(readChosenPrefix(), QString());
    }
};

QTEST_MAIN(TestPrefixChooser)
#include "tst_prefix_chooser.moc"
