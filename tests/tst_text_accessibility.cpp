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

const char* const rangeBoxNames[] = {"Combo1", "Combo2", "Combo3", "Combo4"};

QTextBoundaryFinder::BoundaryType finderType(QAccessible::TextBoundaryType boundary) {
    return boundary == QAccessible::WordBoundary       ? QTextBoundaryFinder::Word
           : boundary == QAccessible::SentenceBoundary ? QTextBoundaryFinder::Sentence
                                                       : QTextBoundaryFinder::Grapheme;
}

bool isBoundary(const QString& text, QAccessible::TextBoundaryType boundary, int offset) {
    QTextBoundaryFinder finder(finderType(boundary), text);
    finder.setPosition(offset);
    return finder.isAtBoundary();
}

struct Answer {
    QString text;
    int start, end;
};

using Question = QString (QAccessibleTextInterface::*)(int, QAccessible::TextBoundaryType, int*,
                                                       int*) const;

// Asks a text question, whose answer must be a piece of the text between its two offsets, or
// nothing at all.
Answer asked(const QAccessibleTextInterface* reader, Question question, int offset,
             QAccessible::TextBoundaryType boundary) {
    Answer a{{}, 0, 0};
    a.text = (reader->*question)(offset, boundary, &a.start, &a.end);
    const QString all = reader->text(0, reader->characterCount());
    if (!(a.start == -1 && a.end == -1 && a.text.isEmpty()) &&
        !(0 <= a.start && a.start <= a.end && a.end <= all.size() &&
          a.text == all.mid(a.start, a.end - a.start)))
        qFatal("answer \"%s\" (%d, %d) is no piece of \"%s\"", qPrintable(a.text), a.start, a.end,
               qPrintable(all));
    return a;
}

} // namespace

class TestTextAccessibility : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    ConventionsWindow window_{vornelle::HostFile(dir_.filePath(u"vornelle.ini"_s)),
                              QDir(dir_.path())};

    template <typename T = QWidget> T* get(const char* name) const {
        T* w = window_.findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QLineEdit* field(const QString& name) const {
        auto* combo = window_.findChild<QComboBox*>(name);
        return combo ? combo->lineEdit() : get<QLineEdit>(qPrintable(name));
    }

  private Q_SLOTS:
    void initTestCase() {
        window_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window_));
    }

    void textQuestions_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        for (const char* name : {"Text1", "Combo1", "Combo2", "Combo3", "Combo4"}) {
            for (const QString& text :
                 {u"MonSystème"_s, u"15-17H"_s, u"deux mots. Une phrase"_s, u"é"_s, QString()})
                QTest::addRow("%s \"%s\"", name, qPrintable(text))
                    << QString::fromLatin1(name) << text;
        }
    }

    // At, before and after every offset, for every boundary, with the caret at the end of the
    // text as after every change of text: nothing at or past the end, but the line and the
    // paragraph, which are the whole text; inside, the item that holds the offset. The attribute
    // run is the whole text. Each character is drawn where the field puts the caret before it.
    void textQuestions() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QLineEdit* const edit = this->field(field);
        edit->setText(text);
        QAccessibleTextInterface* const reader =
            QAccessible::queryAccessibleInterface(edit)->textInterface();
        QVERIFY(reader);
        const int n = int(text.size());
        QCOMPARE(reader->characterCount(), n);
        for (auto boundary :
             {QAccessible::CharBoundary, QAccessible::WordBoundary, QAccessible::SentenceBoundary,
              QAccessible::LineBoundary, QAccessible::ParagraphBoundary, QAccessible::NoBoundary}) {
            const bool wholeLine = boundary >= QAccessible::ParagraphBoundary; // or line, or none
            for (int question = -2; question <= n + 1; ++question) {
                const int offset = question < 0 ? n : question; // -2 the caret, -1 the end
                const Answer at =
                    asked(reader, &QAccessibleTextInterface::textAtOffset, question, boundary);
                if (offset > n)
                    QCOMPARE(at.start, -1);
                else if (wholeLine)
                    QVERIFY(at.text == text && at.start == 0 && at.end == n);
                else if (offset == n)
                    QCOMPARE(at.start, -1);
                else
                    QVERIFY(at.start <= offset && offset < at.end &&
                            isBoundary(text, boundary, at.start) &&
                            isBoundary(text, boundary, at.end));
                asked(reader, &QAccessibleTextInterface::textBeforeOffset, question, boundary);
                asked(reader, &QAccessibleTextInterface::textAfterOffset, question, boundary);
            }
        }
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

    // A screen reader moves the caret, selects and edits through the same interface.
    void selectionAndEditing() {
        QLineEdit* const edit = get<QLineEdit>("Text1");
        edit->setText(u"MonSystème"_s);
        QAccessibleInterface* const reader = QAccessible::queryAccessibleInterface(edit);
        QAccessibleTextInterface* const text = reader->textInterface();
        text->setSelection(0, 3, 6);
        int start = 0, end = 0;
        text->selection(0, &start, &end);
        QVERIFY(text->selectionCount() == 1 && start == 3 && end == 6);
        QCOMPARE(edit->selectedText(), u"Sys"_s);
        text->removeSelection(0);
        QCOMPARE(text->selectionCount(), 0);
        text->setCursorPosition(2);
        QCOMPARE(edit->cursorPosition(), 2);
        reader->editableTextInterface()->replaceText(0, 3, u"Ton"_s);
        reader->editableTextInterface()->deleteText(3, 4);
        reader->editableTextInterface()->insertText(3, u"s"_s);
        QCOMPARE(reader->text(QAccessible::Value), u"Tonsystème"_s);
        QVERIFY(reader->state().editable && !reader->state().readOnly);
    }

    // A range box is called by its row and side before its role; its value is its range, its
    // children its list and its edit field, which has the focus.
    void rangeBoxes() {
        const QStringList names{u"Vul, NS"_s, u"N. Vul, NS"_s, u"Vul, EO"_s, u"N. Vul, EO"_s};
        for (int i = 0; i < 4; ++i) {
            auto* combo = get<QComboBox>(rangeBoxNames[i]);
            combo->setEditText(u"14-16H"_s);
            QAccessibleInterface* const reader = QAccessible::queryAccessibleInterface(combo);
            QCOMPARE(reader->role(), QAccessible::ComboBox);
            QCOMPARE(reader->text(QAccessible::Name), names[i]);
            QCOMPARE(reader->text(QAccessible::Value), u"14-16H"_s);
            QCOMPARE(reader->childCount(), 2);
            QCOMPARE(reader->child(0)->object(), combo->view());
            QCOMPARE(reader->child(1)->object(), combo->lineEdit());
            QCOMPARE(reader->indexOfChild(reader->child(1)), 1);
            QCOMPARE(reader->focusChild()->object(), combo->lineEdit());
        }
    }

    // Every control that Tab reaches has a name of its own, and no form name is heard.
    void tabChainNames() {
        const QRegularExpression formName(
            u"\\b(Form1|Command\\d+|Check\\d+|Combo\\d+|Text1|File[12]|List[12]|Label\\d+|"
            "Frame\\d+|Option[12])\\b"_s);
        QStringList names;
        QWidget* const first = get("File1");
        QWidget* w = first;
        do {
            if (!w->objectName().isEmpty() && (w->focusPolicy() & Qt::TabFocus)) {
                const QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w);
                names << reader->text(QAccessible::Name);
                for (auto heard : {QAccessible::Name, QAccessible::Description})
                    QVERIFY2(!formName.match(reader->text(heard)).hasMatch(),
                             qPrintable(w->objectName()));
            }
            w = w->nextInFocusChain();
        } while (w != first);
        QCOMPARE(names.size(), 55); // every control that takes the focus
        QVERIFY(!names.contains(QString()));
        QCOMPARE(names.removeDuplicates(), 0);
    }
};

QTEST_MAIN(TestTextAccessibility)
#include "tst_text_accessibility.moc"
