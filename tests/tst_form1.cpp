#include "conventions_window.h"
#include "message_box.h"
#include "model/convention_catalogue.h"
#include "systemfile/system_file_format.h"
#include "test_files.h"
#include "tri_state_check_box.h"
#include "window_controls.h"
#include "window_texts.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;
using namespace vornelle;

Q_DECLARE_METATYPE(GuardState)

namespace {

const QByteArray hostText = "[Vornelle]\r\nJoueurs=4\r\n\r\n"
                            "NsTexas=0\r\nNsTexMin=1\r\nEOTexas=0\r\nEoMic=1\r\nEOMic=0\r\n"
                            "NsOuvfaib=1\r\nEOOuvfaib=0\r\nNs1Sa=15\r\nEO1SaNV=10\r\nEO1Sa=9\r\n"
                            "NsSplinter=1\r\nEo2Saspe=1\r\nNs2SA=0\r\n";

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void startUpLoadsBothSides();
    void captionsFit();
    void keyboardReachesHiddenButtons();
    void guardEvents_data();
    void guardEvents();
    void userClickGivesOnlyCheckedOrNot();
    void startUpFailures_data();
    void startUpFailures();
    void failedReloadKeepsRunning();
    void saveAsksBeforeReplacing();
    void savedSideOpensIntoTheOther();
    void failedSaveShowsMessage();
    void transferWritesTheWindow();

  private:
    void start();
    template <typename T> T* get(const QString& name) const {
        return control<T>(form_.get(), name);
    }
    TriStateCheckBox* box(const char* array, int i) const {
        return get<TriStateCheckBox>(u"%1(%2)"_s.arg(QLatin1StringView(array)).arg(i));
    }
    QComboBox* combo(int n) const { return get<QComboBox>(u"Combo%1"_s.arg(n)); }
    QString cwd(const QString& name = {}) const { return dir_->filePath(u"cwd/"_s + name); }

    std::unique_ptr<QTemporaryDir> dir_;
    QString host_;
    std::unique_ptr<ConventionsWindow> form_;
};

void TestForm1::init() {
    form_.reset();
    dir_ = std::make_unique<QTemporaryDir>();
    host_ = dir_->filePath(u"vornelle.ini"_s);
    QVERIFY(putFile(host_, hostText));
    QVERIFY(QDir(dir_->path()).mkdir(u"cwd"_s));
    QVERIFY(putFile(cwd(u"Acol.vns"_s), QByteArray("0\r\n").repeated(20)));
    QVERIFY(putFile(cwd(u".cache.vns"_s), QByteArray("1\r\n").repeated(20)));
}

void TestForm1::start() {
    form_ = std::make_unique<ConventionsWindow>(host_, QDir(cwd()));
    QVERIFY(!form_->startUp());
}

void TestForm1::startUpLoadsBothSides() {
    start();
    QCOMPARE(fileBytes(cwd(u"Vnlini.vne"_s)), hostText);
    QCOMPARE(box("Check1", 0)->value(), CheckValue::Unchecked);
    QCOMPARE(box("Check1", 1)->value(), CheckValue::Checked);
    QCOMPARE(box("Check2", 4)->value(), CheckValue::Checked); // "EOMic=0" is no line of "EoMic"
    QCOMPARE(box("Check4", 3)->value(), CheckValue::Checked);
    QVERIFY(get<QRadioButton>(u"Option1(0)"_s)->isChecked());
    QVERIFY(get<QRadioButton>(u"Option2(1)"_s)->isChecked());
    // Texts set while the lists were empty stay; a bound of 9 sets nothing.
    const QStringList texts{u"15-17H"_s, QString(), QString(), u"10-12H"_s};
    for (int n = 1; n <= 4; ++n) {
        QCOMPARE(combo(n)->currentText(), texts[n - 1]);
        QCOMPARE(combo(n)->count(), 7);
        QCOMPARE(combo(n)->itemText(0), u"10-12H"_s);
        QCOMPARE(combo(n)->itemText(6), u"16-18H"_s);
    }
    const auto* list1 = get<QListView>(u"List1"_s);
    QCOMPARE(list1->model()->rowCount(), 16);
    QCOMPARE(list1->model()->index(2, 0).data().toString(), QString());
    QCOMPARE(list1->model()->index(15, 0).data().toString(), u"Ns2SA=0"_s);
    QCOMPARE(guardOf(form_.get()), GuardState::Disarmed);
    QVERIFY(!get<TriStateCheckBox>(u"Check5"_s)->isEnabled());
    QCOMPARE(get<QLineEdit>(u"Text1"_s)->text(), u"MonSystème"_s);
    QCOMPARE(get<QListWidget>(u"File2"_s)->count(), 2);
}

// Every caption and every range text fits its control at the window's font.
void TestForm1::captionsFit() {
    start();
    for (const QLabel* label : form_->findChildren<QLabel*>()) {
        if (label->x() >= form_->width())
            continue;
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->text()));
    }
    for (int n = 1; n <= 4; ++n) {
        const QLineEdit* edit = combo(n)->lineEdit();
        for (int i = 0; i < 7; ++i) {
            const QString text = combo(n)->itemText(i);
            QVERIFY2(edit->fontMetrics().horizontalAdvance(text) + 2 <= edit->width(),
                     qPrintable(text));
        }
    }
}

void TestForm1::keyboardReachesHiddenButtons() {
    start();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    QCOMPARE(QApplication::focusWidget(), get<QWidget>(u"File1"_s));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), get<QWidget>(u"Command1"_s));
    // Pressing it reloads from the working copy, not from the host file.
    QVERIFY(putFile(cwd(u"Vnlini.vne"_s), "NsTexas=0\r\nNsRkcb=1\r\n"));
    QVERIFY(putFile(host_, "NsTexas=1\r\n"));
    box("Check1", 0)->setValue(CheckValue::Checked);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(box("Check1", 0)->value(), CheckValue::Unchecked);
    QCOMPARE(box("Check1", 9)->value(), CheckValue::Checked);
    QCOMPARE(get<QListView>(u"List1"_s)->model()->rowCount(), 2);
    // From the transfer button, Tab reaches the hidden check button.
    get<QWidget>(u"Command6"_s)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), get<QWidget>(u"Command7"_s));
    get<QLineEdit>(u"Text1"_s)->setText(u"Acol"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(guardOf(form_.get()), GuardState::Unconfirmed);
}

void TestForm1::guardEvents_data() {
    QTest::addColumn<std::function<void(TestForm1*)>>("event");
    QTest::addColumn<GuardState>("after");
    using F = std::function<void(TestForm1*)>;
    const auto D = GuardState::Disarmed, C = GuardState::Confirmed;
    QTest::newRow("user ticks a convention")
        << F([](TestForm1* t) { QTest::mouseClick(t->box("Check2", 5), Qt::LeftButton); }) << D;
    QTest::newRow("user ticks a competitive")
        << F([](TestForm1* t) { QTest::mouseClick(t->box("Check3", 4), Qt::LeftButton); }) << D;
    QTest::newRow("user types a range")
        << F([](TestForm1* t) { QTest::keyClicks(t->combo(3)->lineEdit(), u"12"_s); }) << D;
    QTest::newRow("user picks a range from the list") << F([](TestForm1* t) {
        QComboBox* c = t->combo(1);
        const QString before = c->currentText();
        QTest::keyClick(c, Qt::Key_Down);
        QVERIFY(c->currentText() != before);
        QCOMPARE(c->currentText(), c->itemText(c->currentIndex()));
    }) << C;
    QTest::newRow("user selects an option") << F([](TestForm1* t) {
        QTest::mouseClick(t->get<QRadioButton>(u"Option2(0)"_s), Qt::LeftButton);
    }) << C;
    QTest::newRow("user types a name")
        << F([](TestForm1* t) { QTest::keyClicks(t->get<QLineEdit>(u"Text1"_s), u"x"_s); }) << D;
    QTest::newRow("program reloads a box") << F([](TestForm1* t) {
        QVERIFY(putFile(t->cwd(u"Vnlini.vne"_s), "NsMmin=1\r\n"));
        QVERIFY(!t->form_->loadWorkingCopy());
    }) << D;
    QTest::newRow("program reloads a range") << F([](TestForm1* t) {
        QVERIFY(putFile(t->cwd(u"Vnlini.vne"_s), "Ns1SaNV=13\r\n"));
        QVERIFY(!t->form_->loadWorkingCopy());
    }) << D;
    QTest::newRow("reload that changes nothing") << F([](TestForm1* t) {
        QVERIFY(putFile(t->cwd(u"Vnlini.vne"_s), "NsTexas=0\r\nAutre=1\r\n"));
        QVERIFY(!t->form_->loadWorkingCopy());
    }) << C;
    QTest::newRow("transfer") << F([](TestForm1* t) { QVERIFY(!t->form_->transferToHost()); }) << C;
    QTest::newRow("user clicks a system file") << F([](TestForm1* t) {
        auto* list = t->get<QListWidget>(u"File2"_s);
        const QRect r = list->visualItemRect(list->findItems(u"Acol.vns"_s, {}).first());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(t->get<QLineEdit>(u"Text1"_s)->text(), u"Acol"_s);
    }) << D;
    QTest::newRow("user selects a hidden system file with the keyboard") << F([](TestForm1* t) {
        auto* list = t->get<QListWidget>(u"File2"_s);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Space); // selects the entry made current on focus
        QCOMPARE(t->get<QLineEdit>(u"Text1"_s)->text(), u".cache"_s);
    }) << D;
}

// The guard is confirmed for a new name, then each event either disarms it or leaves it.
void TestForm1::guardEvents() {
    QFETCH(std::function<void(TestForm1*)>, event);
    QFETCH(GuardState, after);
    start();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    press(form_.get(), "Command7");
    QCOMPARE(guardOf(form_.get()), GuardState::Confirmed);
    event(this);
    QCOMPARE(guardOf(form_.get()), after);
    QCOMPARE(get<TriStateCheckBox>(u"Check5"_s)->isEnabled(), after != GuardState::Disarmed);
}

void TestForm1::userClickGivesOnlyCheckedOrNot() {
    start();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    TriStateCheckBox* b = box("Check1", 6);
    b->setValue(CheckValue::Grayed);
    QList<CheckValue> seen;
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(b, Qt::LeftButton);
        seen << b->value();
    }
    QCOMPARE(seen,
             QList<CheckValue>({CheckValue::Checked, CheckValue::Unchecked, CheckValue::Checked}));
    // The guard box: unconfirmed and confirmed alternate under the user's clicks.
    get<QLineEdit>(u"Text1"_s)->setText(u"Acol"_s);
    press(form_.get(), "Command7");
    auto* check5 = get<TriStateCheckBox>(u"Check5"_s);
    QTest::mouseClick(check5, Qt::LeftButton);
    QCOMPARE(guardOf(form_.get()), GuardState::Confirmed);
    QTest::mouseClick(check5, Qt::LeftButton);
    QCOMPARE(guardOf(form_.get()), GuardState::Unconfirmed);
}

void TestForm1::startUpFailures_data() {
    QTest::addColumn<bool>("hostExists");
    QTest::newRow("missing host file") << false;
    QTest::newRow("empty host file") << true;
}

void TestForm1::startUpFailures() {
    QFETCH(bool, hostExists);
    QFile::remove(host_);
    if (hostExists)
        QVERIFY(putFile(host_, {}));
    ConventionsWindow form(host_, QDir(cwd()));
    const FileOutcome failed = form.startUp();
    QVERIFY(failed);
    QVERIFY(texts::failureMessage(*failed).contains(QDir::toNativeSeparators(host_)));
    QCOMPARE(QFile::exists(cwd(u"Vnlini.vne"_s)), hostExists);
    if (hostExists)
        QCOMPARE(fileBytes(cwd(u"Vnlini.vne"_s)), QByteArray());
}

void TestForm1::failedReloadKeepsRunning() {
    start();
    box("Check2", 7)->setValue(CheckValue::Checked);
    QVERIFY(QFile::remove(cwd(u"Vnlini.vne"_s)));
    const QString message = messageDuring(
        [this] { QTest::mouseClick(get<QPushButton>(u"Command1"_s), Qt::LeftButton); });
    QVERIFY(message.contains(u"Vnlini.vne"_s));
    QCOMPARE(box("Check2", 7)->value(), CheckValue::Checked);
    QCOMPARE(get<QListView>(u"List1"_s)->model()->rowCount(), 0);
}

void TestForm1::saveAsksBeforeReplacing() {
    start();
    auto* text1 = get<QLineEdit>(u"Text1"_s);
    auto* saveNS = get<QPushButton>(u"Command2"_s);
    text1->setText(u"Acol"_s);
    const QByteArray former = fileBytes(cwd(u"Acol.vns"_s));
    QTest::mouseClick(saveNS, Qt::LeftButton); // listed: only asks
    QCOMPARE(guardOf(form_.get()), GuardState::Unconfirmed);
    QTest::mouseClick(saveNS, Qt::LeftButton); // still not ticked
    QCOMPARE(fileBytes(cwd(u"Acol.vns"_s)), former);
    QTest::mouseClick(get<TriStateCheckBox>(u"Check5"_s), Qt::LeftButton);
    QTest::mouseClick(get<QPushButton>(u"Command3"_s), Qt::LeftButton); // EO replaces it
    QCOMPARE(fileBytes(cwd(u"Acol.vns"_s)), encodeSystemFile(form_->sideSettings(Side::EO)));
    QCOMPARE(guardOf(form_.get()), GuardState::Disarmed);
    // A new name is written at once and listed afterwards; an empty name does nothing.
    text1->setText(u"Nouveau"_s);
    QTest::mouseClick(saveNS, Qt::LeftButton);
    QVERIFY(QFile::exists(cwd(u"Nouveau.vns"_s)));
    QCOMPARE(get<QListWidget>(u"File2"_s)->count(), 3);
    text1->clear();
    press(form_.get(), "Command7");
    QTest::mouseClick(saveNS, Qt::LeftButton);
    QCOMPARE(guardOf(form_.get()), GuardState::Confirmed);
    QVERIFY(!QFile::exists(cwd(u".vns"_s)));
}

void TestForm1::savedSideOpensIntoTheOther() {
    start();
    get<QLineEdit>(u"Text1"_s)->setText(u"Sud"_s);
    box("Check1", 11)->setValue(CheckValue::Grayed);
    combo(2)->setEditText(u"13-15H"_s);
    press(form_.get(), "Command2");
    const SideSettings ns = form_->sideSettings(Side::NS);
    QVERIFY(form_->sideSettings(Side::EO) != ns);
    press(form_.get(), "Command7");
    press(form_.get(), "Command5");
    QCOMPARE(form_->sideSettings(Side::EO), ns);
    QCOMPARE(guardOf(form_.get()), GuardState::Disarmed);
    // An empty name opens the file ".vns"; the other side and the name stay as they were.
    QVERIFY(putFile(cwd(u".vns"_s), QByteArray("1\r\n").repeated(12) + "Vrai\r\n\"x,y\"\r\n"));
    get<QLineEdit>(u"Text1"_s)->clear();
    press(form_.get(), "Command4");
    std::array<CheckValue, GeneralCount> allSet;
    allSet.fill(CheckValue::Checked);
    QCOMPARE(form_->sideSettings(Side::NS).general, allSet);
    QCOMPARE(form_->sideSettings(Side::NS).ntRangeVulnerable, u"x,y"_s);
    QCOMPARE(form_->sideSettings(Side::NS).ntRangeNotVulnerable, ns.ntRangeNotVulnerable);
    QCOMPARE(form_->sideSettings(Side::EO), ns);
}

void TestForm1::failedSaveShowsMessage() {
    start();
    QVERIFY(QDir(cwd()).mkdir(u"Dossier.vns"_s)); // a folder where the file should be
    get<QLineEdit>(u"Text1"_s)->setText(u"Dossier"_s);
    const QString message = messageDuring([this] { press(form_.get(), "Command2"); });
    QVERIFY(message.contains(u"Dossier.vns"_s));
    QCOMPARE(guardOf(form_.get()), GuardState::Confirmed);
}

void TestForm1::transferWritesTheWindow() {
    start();
    box("Check1", 0)->setValue(CheckValue::Checked);
    combo(1)->setEditText(u"11-13H"_s);
    get<QRadioButton>(u"Option2(0)"_s)->setChecked(true);
    QVERIFY(!form_->transferToHost());
    QByteArray expected = hostText;
    expected.replace("NsTexas=0", "NsTexas=1").replace("Ns1Sa=15", "Ns1Sa=11");
    expected.replace("EOOuvfaib=0", "EOOuvfaib=1");
    QCOMPARE(fileBytes(host_), expected);
    QCOMPARE(fileBytes(cwd(u"Vnlini.vne"_s)), expected);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
