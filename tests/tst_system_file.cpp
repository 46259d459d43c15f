#include "check_values.h"
#include "recording_target.h"
#include "systemfile/system_file_format.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace vornelle;

Q_DECLARE_METATYPE(SideSettings)
Q_DECLARE_METATYPE(OpeningChoice)

namespace {

SideSettings onlyTexas(OpeningChoice choice) {
    SideSettings s;
    s.general[0] = CheckValue::Checked;
    s.opening = choice;
    s.ntRangeVulnerable = u"12-14H"_s;
    s.ntRangeNotVulnerable = u"15-17H"_s;
    return s;
}

} // namespace

class TestSystemFile : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void exactBytes();
    void roundTripIntoEitherSide_data();
    void roundTripIntoEitherSide();
    void fields_data();
    void fields();
    void fieldValues_data();
    void fieldValues();
    void openStopsAtBadField_data();
    void openStopsAtBadField();
};

void TestSystemFile::exactBytes() {
    const QByteArray zeros = QByteArray("0\r\n").repeated(11);
    const QByteArray tail = "\"12-14H\"\r\n\"15-17H\"\r\n" + QByteArray("0\r\n").repeated(5);
    const QByteArray withOption0 = "1\r\n" + zeros + "#TRUE#\r\n" + tail;
    QCOMPARE(encodeSystemFile(onlyTexas(OpeningChoice::Weak)), withOption0);
    QCOMPARE(withOption0.size(), 79);
    QCOMPARE(encodeSystemFile(onlyTexas(OpeningChoice::Standard)).size(), 80);
    QCOMPARE(encodeSystemFile(onlyTexas(OpeningChoice::None)),
             encodeSystemFile(onlyTexas(OpeningChoice::Standard)));
}

void TestSystemFile::roundTripIntoEitherSide_data() {
    QTest::addColumn<SideSettings>("saved");
    QTest::addColumn<OpeningChoice>("opened");
    SideSettings all;
    all.general = checks({2, 1, 0, 2, 1, 0, 2, 1, 0, 2, 1, 0});
    all.opening = OpeningChoice::Standard;
    all.ntRangeVulnerable = u"14,16 é€"_s; // a comma and 8-bit letters survive
    all.ntRangeNotVulnerable = QString();
    all.competitive = checks({1, 2, 0, 1, 2});
    QTest::newRow("every kind of value") << all << OpeningChoice::Standard;
    QTest::newRow("option 0") << onlyTexas(OpeningChoice::Weak) << OpeningChoice::Weak;
    QTest::newRow("neither option") << onlyTexas(OpeningChoice::None) << OpeningChoice::Standard;
}

void TestSystemFile::roundTripIntoEitherSide() {
    QFETCH(SideSettings, saved);
    QFETCH(OpeningChoice, opened);
    QTemporaryDir dir;
    const QString path = dir.filePath(systemFileName(u"MonSystème"_s));
    QVERIFY(!writeSystemFile(path, saved));
    SideSettings expected = saved;
    expected.opening = opened;
    for (Side side : {Side::NS, Side::EO}) {
        RecordingTarget target;
        QVERIFY(readSystemFile(path, side, target));
        QCOMPARE(target.of(side), expected);
        QCOMPARE(target.of(side == Side::NS ? Side::EO : Side::NS), SideSettings());
        QCOMPARE(target.events.size(), 20);
    }
}

void TestSystemFile::fields_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QList<QByteArray>>("fields");
    using F = QList<QByteArray>;
    QTest::newRow("lines") << QByteArray("1\r\n0\r\n") << F{"1", "0"};
    QTest::newRow("comma outside quotes") << QByteArray("1,0\r\n") << F{"1", "0"};
    QTest::newRow("comma inside quotes") << QByteArray("\"a,b\"\r\n2") << F{"a,b", "2"};
    QTest::newRow("blanks before") << QByteArray("   \"x\"\r\n  7") << F{"x", "7"};
    QTest::newRow("text after closing quote") << QByteArray("\"a\"b\"\r\n1") << F{"a", "1"};
    QTest::newRow("blank line is an empty field") << QByteArray("1\r\n\r\n2") << F{"1", "", "2"};
    QTest::newRow("open quote to the end") << QByteArray("\"abc") << F{"abc"};
    QTest::newRow("nothing") << QByteArray("   ") << F{};
}

void TestSystemFile::fields() {
    QFETCH(QByteArray, data);
    QFETCH(QList<QByteArray>, fields);
    FieldReader reader(data);
    QList<QByteArray> got;
    while (const auto field = reader.next())
        got.append(field->text);
    QCOMPARE(got, fields);
}

// A field read as a check value (-1: a failure) and as the opening option.
void TestSystemFile::fieldValues_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("quoted");
    QTest::addColumn<int>("check");
    QTest::addColumn<bool>("option");
    const struct {
        const char* text;
        bool quoted;
        int check;
        bool option;
    } rows[] = {{"0", false, 0, false},
                {"2", false, 2, false},
                {"3", false, -1, false},
                {"-1", false, -1, false},
                {"+1", false, 1, false},
                {"1a", false, 1, false},
                {"abc", false, 0, false},
                {"", false, 0, false},
                {"#TRUE#", false, 0, true},
                {"#TRUE#", true, 0, false},
                {"Vrai", false, 0, true},
                {"Vrai", true, 0, true},
                {"vrai", false, 0, false},
                {"#FALSE#", false, 0, false},
                {"00000000000000000001", false, 1, false},
                {"99999999999999999999", false, -1, false}};
    for (const auto& r : rows) {
        QTest::addRow("%s%s", r.quoted ? "quoted " : "", r.text)
            << QByteArray(r.text) << r.quoted << r.check << r.option;
    }
}

void TestSystemFile::fieldValues() {
    QFETCH(QByteArray, text);
    QFETCH(bool, quoted);
    QFETCH(int, check);
    QFETCH(bool, option);
    QCOMPARE(int(checkFieldValue({text, quoted}).value_or(CheckValue(-1))), check);
    QCOMPARE(optionFieldValue({text, quoted}), option);
}

void TestSystemFile::openStopsAtBadField_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("applied");
    const QByteArray twelve = QByteArray("1\r\n").repeated(12);
    QTest::newRow("13 lines") << twelve + "Vrai\r\n" << 13;
    QTest::newRow("check field 3") << QByteArray("1\r\n1\r\n3\r\n1\r\n") << 2;
    QTest::newRow("empty file") << QByteArray() << 0;
    QTest::newRow("competitive out of range") << twelve + "#TRUE#\r\n\"a\"\r\n\"b\"\r\n1\r\n9\r\n"
                                              << 16;
}

void TestSystemFile::openStopsAtBadField() {
    QFETCH(QByteArray, data);
    QFETCH(int, applied);
    RecordingTarget target;
    QVERIFY(!decodeSystemFile(data, Side::EO, target));
    QCOMPARE(target.events.size(), applied);
}

QTEST_APPLESS_MAIN(TestSystemFile)
#include "tst_system_file.moc"
