// System files in tests/data/system: each X.vns opened into one side gives the values that
// X.read lists, and the sides below are saved as the bytes of saved-*.vns. Their code page
// converts as Qt's ICU codec does.
#include "check_values.h"
#include "model/windows_1252.h"
#include "recording_target.h"
#include "systemfile/system_file_format.h"
#include "test_files.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

#include <numeric>

using namespace Qt::StringLiterals;
using namespace vornelle;

class TestSystemFile : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void open_data() { addStoredCases(u"system"_s, u"vns"_s); }

    void open() {
        QFETCH(QString, name);
        RecordingTarget target;
        const bool complete =
            decodeSystemFile(fileBytes(dataPath(name + u".vns"_s)), Side::EO, target);
        target.events << (complete ? u"all 20 read"_s : u"stopped"_s);
        QVERIFY(matchesStored(target.events.join(u'\n').toUtf8() + '\n', name + u".read"_s));
    }

    void save_data() {
        QTest::addColumn<bool>("weak"); // otherwise no opening chosen
        QTest::addColumn<QString>("name");
        QTest::newRow("weak opening") << true << u"system/saved-weak.vns"_s;
        QTest::newRow("no opening chosen") << false << u"system/saved-unset.vns"_s;
    }

    // Grayed boxes, a comma and letters of the 8-bit code page in a range, an empty range.
    void save() {
        QFETCH(bool, weak);
        QFETCH(QString, name);
        SideSettings s;
        s.general = checks({2, 1, 0, 2, 1, 0, 2, 1, 0, 2, 1, 0});
        s.opening = weak ? OpeningChoice::Weak : OpeningChoice::None;
        s.ntRangeVulnerable = u"14,16 é€"_s;
        s.competitive = checks({1, 2, 0, 1, 2});
        QVERIFY(matchesStored(encodeSystemFile(s), name));
    }

    // Every byte; every code point alone, surrogate halves included; halves among others.
    void codePageAsQtIcu() {
        QStringDecoder qtDecode("windows-1252");
        QStringEncoder qtEncode("windows-1252");
        if (!qtDecode.isValid())
            QSKIP("this Qt has no Windows-1252 codec to compare with: it is built without ICU");
        QByteArray bytes(256, 0);
        std::iota(bytes.begin(), bytes.end(), 0);
        QCOMPARE(fromWindows1252(bytes), QString(qtDecode(bytes)));
        QStringList texts{u"a\xD800"
                          "b\xDC00\xD800\xD800\xDBFF\xDFFF\xD83D\xDE00\u200B"_s};
        for (char32_t c = 0; c <= 0x10FFFF; ++c)
            texts << (QChar::isSurrogate(c) ? QString(QChar(c)) : QString::fromUcs4(&c, 1));
        for (const QString& text : texts) {
            qtEncode.resetState();
            QCOMPARE(toWindows1252(text), QByteArray(qtEncode(text)));
        }
    }
};
QTEST_APPLESS_MAIN(TestSystemFile)
#include "tst_system_file.moc"
