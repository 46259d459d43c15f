// The whole window after start-up, written out as text and compared with tests/data: every
// control's class, place, texts, values, colours and enabled flag, and the Tab chain. Any change
// to what the user sees shows here as a unified diff.
#include "conventions_window.h"
#include "test_files.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace vornelle;

namespace {

QString colour(const QColor& c) {
    return c.name(QColor::HexRgb);
}

// The palette entries that differ from the style's for this kind of widget.
QString colours(const QWidget* w) {
    const QPalette own = w->palette();
    const QPalette standard = QApplication::palette(w);
    QStringList changed;
    const std::pair<QPalette::ColorRole, const char*> roles[] = {
        {QPalette::Window, "window"}, {QPalette::Base, "base"},
        {QPalette::Button, "button"}, {QPalette::WindowText, "windowText"},
        {QPalette::Text, "text"},     {QPalette::ButtonText, "buttonText"}};
    for (const auto& [role, name] : roles) {
        if (own.color(role) != standard.color(role))
            changed << u"%1=%2"_s.arg(QLatin1StringView(name), colour(own.color(role)));
    }
    if (w->autoFillBackground())
        changed << u"filled"_s;
    return changed.join(u' ');
}

QStringList rows(const QAbstractItemModel* model) {
    QStringList items;
    for (int i = 0; model && i < model->rowCount(); ++i)
        items << u'"' + model->index(i, 0).data().toString() + u'"';
    return items;
}

// What the control holds or shows, by kind.
QString contents(const QWidget* w) {
    if (const auto* box = qobject_cast<const QComboBox*>(w))
        return u"text=\"%1\" items=%2"_s.arg(box->currentText(), rows(box->model()).join(u','));
    if (const auto* view = qobject_cast<const QAbstractItemView*>(w))
        return u"items=%1"_s.arg(rows(view->model()).join(u','));
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return u"text=\"%1\""_s.arg(label->text());
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        return u"text=\"%1\""_s.arg(edit->text());
    if (const auto* frame = qobject_cast<const QGroupBox*>(w))
        return u"title=\"%1\""_s.arg(frame->title());
    if (const auto* check = qobject_cast<const QCheckBox*>(w)) {
        const char* const states[] = {"unchecked", "grayed", "checked"}; // Qt's order
        return u"text=\"%1\" check=%2"_s.arg(check->text(),
                                             QLatin1StringView(states[check->checkState()]));
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        return u"text=\"%1\" checked=%2 icon=%3x%4"_s.arg(button->text())
            .arg(button->isChecked() ? 1 : 0)
            .arg(button->iconSize().width() * !button->icon().isNull())
            .arg(button->iconSize().height() * !button->icon().isNull());
    }
    return {};
}

QString describe(const QWidget* w) {
    const QRect g = w->geometry();
    QString line = u"%1 %2 parent=%3 at=%4,%5 size=%6x%7"_s
                       .arg(w->objectName(), QLatin1StringView(w->metaObject()->className()),
                            w->parentWidget() ? w->parentWidget()->objectName() : u"-"_s)
                       .arg(g.x())
                       .arg(g.y())
                       .arg(g.width())
                       .arg(g.height());
    line += u" enabled=%1 focus=%2"_s.arg(w->isEnabled() ? 1 : 0).arg(int(w->focusPolicy()));
    for (const QString& part : {contents(w), colours(w)}) {
        if (!part.isEmpty())
            line += u' ' + part;
    }
    if (!w->toolTip().isEmpty())
        line += u" toolTip=\"%1\" accessibleName=\"%2\""_s.arg(w->toolTip(), w->accessibleName());
    return line;
}

// The named controls that Tab visits, in the order it visits them, from the first focus.
QString tabChain(QWidget* first) {
    QStringList names{first->objectName()};
    for (QWidget* w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain()) {
        if (!w->objectName().isEmpty() && (w->focusPolicy() & Qt::TabFocus))
            names << w->objectName();
    }
    return u"tab chain: "_s + names.join(u' ');
}

QString snapshot(QWidget* window) {
    QStringList lines;
    lines << u"window %1 \"%2\" size=%3x%4 fixed=%5 flags=0x%6 font=\"%7\" %8px icon=%9"_s
                 .arg(window->objectName(), window->windowTitle())
                 .arg(window->width())
                 .arg(window->height())
                 .arg(window->minimumSize() == window->maximumSize() ? 1 : 0)
                 .arg(uint(window->windowFlags()), 0, 16)
                 .arg(window->font().family())
                 .arg(window->font().pixelSize())
                 .arg(window->windowIcon().isNull() ? 0 : 1);
    QStringList controls;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_"_s))
            controls << describe(w);
    }
    controls.sort();
    lines << controls << tabChain(window->focusWidget());
    return lines.join(u'\n') + u'\n';
}

} // namespace

class TestWindowSnapshot : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void windowAfterStartUp();
};

void TestWindowSnapshot::windowAfterStartUp() {
    QTemporaryDir dir;
    const QString host = dir.filePath(u"vornelle.ini"_s);
    QVERIFY(putFile(host, fileBytes(QStringLiteral(TEST_DATA_DIR "/mixed-ends.ini"))));
    QVERIFY(putFile(dir.filePath(u"Acol.vns"_s), "0\r\n") && putFile(dir.filePath(u"b.VNS"_s), ""));
    ConventionsWindow form(host, QDir(dir.path()));
    QVERIFY(!form.startUp());
    QVERIFY(form.focusWidget());
    const QString expectedPath = QStringLiteral(TEST_DATA_DIR "/window.snapshot");
    const QString actualPath = dir.filePath(u"window.snapshot"_s);
    QVERIFY(putFile(actualPath, snapshot(&form).toUtf8()));
    if (fileBytes(actualPath) != fileBytes(expectedPath)) {
        QProcess diff;
        diff.start(u"diff"_s, {u"-u"_s, expectedPath, actualPath});
        diff.waitForFinished();
        qWarning().noquote() << diff.readAllStandardOutput();
        const QString kept = QDir::temp().filePath(u"window.snapshot"_s);
        QFile::remove(kept);
        QFile::copy(actualPath, kept);
        QFAIL("the window differs from tests/data/window.snapshot; the new one is in the "
              "temporary folder");
    }
}

QTEST_MAIN(TestWindowSnapshot)
#include "tst_window_snapshot.moc"
