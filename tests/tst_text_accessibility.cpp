// What a screen reader gets of the window, asked in-process as it asks over the accessibility
// bus: the text fields answer every question of their text at once, whatever the offset and the
// boundary, and every control that Tab reaches says what it is for. Run under a watchdog: a
// question that never returns fails the test instead of hanging it.
#include "conventions_window.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBoundaryFinder>

using namespace Qt::StringLiterals;

namespace {

// Asks a text question, whose answer must be a piece of the text between its two offsets, or
// nothing at all: its start, or -1 for nothing.
int asked(const QAccessibleTextInterface* reader,
          QString (QAccessibleTextInterface::*question)(int, QAccessible::TextBoundaryType, int*,
                                                        int*) const,
          int offset, QAccessible::TextBoundaryType boundary, int* end) {
    int start = 0;
    const QString text = (reader->*question)(offset, boundary, &start, end);
    const QString all = reader->text(0, reader->characterCount());
    if (start == -1 ? *end != -1 || !text.isEmpty()
                    : start < 0 || start > *end || text != all.mid(start, *end - start))
        qFatal("answer \"%s\" (%d, %d) is no piece of \"%s\"", qPrintable(text), start, *end,
               qPrintable(all));
    return start;
}

} // namespace

class TestTextAccessibility : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    ConventionsWindow window_{vornelle::HostFile(dir_.filePath(u"vornelle.ini"_s)),
                              QDir(dir_.path())};
    template <typename T = QWidget> T* get(const QString& name) const {
        return window_.findChild<T*>(name);
    }

  private Q_SLOTS:
    void textQuestions_data() {
        QTest::addColumn<QLineEdit*>("field");
        QTest::addColumn<QString>("text");
        for (QString name : {u"Text1"_s, u"Combo1"_s, u"Combo2"_s, u"Combo3"_s, u"Combo4"_s}) {
            auto* combo = get<QComboBox>(name);
            for (const QString& text :
                 {u"MonSystème"_s, u"15-17H"_s, u"deux mots. Une phrase"_s, u"é"_s, QString()})
                QTest::addRow("%s \"%s\"", qPrintable(name), qPrintable(text))
                    << (combo ? combo->lineEdit() : get<QLineEdit>(name)) << text;
        }
    }

    // At, before and after every offset, for every boundary, with the caret at the end of the
    // text as after every change of text: nothing at or past the end, but the line and the
    // paragraph, which are the whole text; inside, the item that holds the offset. The attribute
    // run is the whole text. Each character is drawn where the field puts the caret before it.
    // The selection is read as the field shows it.
    void textQuestions() {
        QFETCH(QLineEdit*, field);
        QFETCH(QString, text);
        field->setText(text);
        QAccessibleTextInterface* const reader =
            QAccessible::queryAccessibleInterface(field)->textInterface();
        const int n = int(text.size());
        QCOMPARE(reader->characterCount(), n);
        for (auto [boundary, items] :
             {std::pair{QAccessible::CharBoundary, QTextBoundaryFinder::Grapheme},
              {QAccessible::WordBoundary, QTextBoundaryFinder::Word},
              {QAccessible::SentenceBoundary, QTextBoundaryFinder::Sentence},
              {QAccessible::LineBoundary, QTextBoundaryFinder::Line},
              {QAccessible::ParagraphBoundary, QTextBoundaryFinder::Line},
              {QAccessible::NoBoundary, QTextBoundaryFinder::Line}}) {
            QTextBoundaryFinder finder(items, text);
            const auto bordersAt = [&finder](int offset) {
                finder.setPosition(offset);
                return finder.isAtBoundary();
            };
            for (int question = -2; question <= n + 1; ++question) {
                const int offset = question < 0 ? n : question; // -2 the caret, -1 the end
                int end = 0;
                const int start = asked(reader, &QAccessibleTextInterface::textAtOffset, question,
                                        boundary, &end);
                if (offset <= n && items == QTextBoundaryFinder::Line) // the line, or the whole
                    QVERIFY(start == 0 && end == n);
                else if (offset >= n)
                    QCOMPARE(start, -1);
                else
                    QVERIFY(start <= offset && offset < end && bordersAt(start) && bordersAt(end));
                asked(reader, &QAccessibleTextInterface::textBeforeOffset, question, boundary,
                      &end);
                asked(reader, &QAccessibleTextInterface::textAfterOffset, question, boundary, &end);
            }
        }
        field->selectAll();
        int from = -1, to = -1;
        reader->selection(0, &from, &to);
        QVERIFY(reader->selectionCount() == (n > 0) && from == 0 && to == n &&
                reader->cursorPosition() == n);
        for (int offset = 0; offset <= n; ++offset) {
            int start = -1, end = -1;
            reader->attributes(offset, &start, &end);
            QVERIFY(start == 0 && end == n);
            const QRect drawn = reader->characterRect(offset);
            QCOMPARE(drawn.isEmpty(), offset == n);
            if (offset < n)
                QCOMPARE(
                    reader->offsetAtPoint({drawn.left() + drawn.width() / 4, drawn.center().y()}),
                    offset);
        }
    }

    // A range box is called by its row and side before its role; its value is its range, its
    // children its list and its edit field, which has the focus.
    void rangeBoxes() {
        const QStringList names{u"Vul, NS"_s, u"N. Vul, NS"_s, u"Vul, EO"_s, u"N. Vul, EO"_s};
        for (int i = 0; i < 4; ++i) {
            auto* combo = get<QComboBox>(u"Combo"_s + QString::number(i + 1));
            combo->setEditText(u"14-16H"_s);
            QAccessibleInterface* const reader = QAccessible::queryAccessibleInterface(combo);
            QCOMPARE(reader->role(), QAccessible::ComboBox);
            QCOMPARE(reader->text(QAccessible::Name), names[i]);
            QCOMPARE(reader->text(QAccessible::Value), u"14-16H"_s);
            QVERIFY(reader->childCount() == 2 && reader->child(0)->object() == combo->view() &&
                    reader->indexOfChild(reader->child(1)) == 1);
            QCOMPARE(reader->focusChild()->object(), combo->lineEdit());
        }
    }

    // Every control that Tab reaches has a name of its own, and no form name is heard.
    void tabChainNames() {
        const QRegularExpression formName(
            u"\\b(Form1|Command\\d+|Check\\d+|Combo\\d+|Text1|File[12]|List[12]|Label\\d+|"
            "Frame\\d+|Option[12])\\b"_s);
        QStringList names;
        QWidget* w = get(u"File1"_s);
        do {
            if (!w->objectName().isEmpty() && (w->focusPolicy() & Qt::TabFocus)) {
                const QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w);
                names << reader->text(QAccessible::Name);
                QVERIFY2(
                    !formName.match(names.last() + u'\n' + reader->text(QAccessible::Description))
                         .hasMatch(),
                    qPrintable(w->objectName()));
            }
        } while ((w = w->nextInFocusChain()) != get(u"File1"_s));
        QCOMPARE(names.size(), 55); // every control that takes the focus
        QVERIFY(!names.contains(QString()));
        QCOMPARE(names.removeDuplicates(), 0);
    }
};

QTEST_MAIN(TestTextAccessibility)
#include "tst_text_accessibility.moc"
