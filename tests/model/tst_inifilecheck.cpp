// The check in front of QSettings, one rule a row: a text refused by exactly that rule, and
// texts just inside every limit.
#include "model/IniFileCheck.h"

#include <QtTest>

namespace {
// A colour as QSettings writes one, in the colour model given (4 is HSL, the last one it knows).
QByteArray colour(char model)
{
    return QByteArray("@Variant(\\0\\0\\0\\x43\\x") + model + "\\xff\\xff\\0\\0\\0\\0\\0\\0\\0\\0)";
}
} // namespace

class TestIniFileCheck : public QObject
{
    Q_OBJECT
private slots:
    void eachRuleOnItsOwn_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("sound");
        // Small limits so that each boundary is a short text: 16 bytes, 3 lines, 2 separators.
        const QString tiny = QStringLiteral("tiny");
        QTest::newRow("16 bytes") << QByteArray("a=1234567890123\n") << tiny << true;
        QTest::newRow("17 bytes") << QByteArray("a=12345678901234\n") << tiny << false;
        QTest::newRow("3 lines") << QByteArray("a=1\nb=2\nc=3\n") << tiny << true;
        QTest::newRow("4 lines") << QByteArray("a=1\nb=2\nc=3\nd=4\n") << tiny << false;
        QTest::newRow("2 separators") << QByteArray("a=1,2\nb=3,4\n") << tiny << true;
        QTest::newRow("3 separators") << QByteArray("a=1,2,3\nb=4,5\n") << tiny << false;
        const QByteArray commas = "k=" + QByteArray("1,").repeated(1024) + "1\n";
        QTest::newRow("profile, 1024 separators") << commas << "x.PROF" << true;
        QTest::newRow("profile, 1025 separators") << "j=1,2\n" + commas << "x.prof" << false;

        const QString ini = QStringLiteral("Config.ini");
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                       "a=1\n")
                                         << ini << false;
        QTest::newRow("NUL") << QByteArray("a=1\0\n", 5) << ini << false;
        QTest::newRow("colour, model 4") << "c=" + colour('4') + "\n" << ini << true;
        QTest::newRow("colour, model 5") << "c=" + colour('5') + "\n" << ini << false;
        QTest::newRow("colour in a list") << "c=" + colour('1') + ",1\n" << ini << false;
        QTest::newRow("escaped variant text") << QByteArray("c=@@Variant(x)\n") << ini << true;
        QTest::newRow("4 hex digits") << QByteArray("k=\\x4142\n") << ini << true;
        QTest::newRow("5 hex digits") << QByteArray("k=\\x41424\n") << ini << false;
        QTest::newRow("digit after \\0") << QByteArray("k=\\01\n") << ini << false;
        QTest::newRow("unknown escape") << QByteArray("k=\\q\n") << ini << false;
        QTest::newRow("section") << QByteArray("[S_1.x-%] \nk=1\n") << ini << true;
        QTest::newRow("empty section") << QByteArray("[]\nk=1\n") << ini << false;
        QTest::newRow("text after section") << QByteArray("[S]x\nk=1\n") << ini << false;
        QTest::newRow("group in key") << QByteArray("a/b\\c=1\n") << ini << true;
        QTest::newRow("group before space") << QByteArray("a/ b=1\n") << ini << false;
        QTest::newRow("DEL in key") << QByteArray("a\x7f=1\n") << ini << false;
        QTest::newRow("quote in key") << QByteArray("a\"=1\n") << ini << false;
        QTest::newRow("open quote") << QByteArray("a=\"1\n") << ini << false;
        QTest::newRow("continued") << QByteArray("a=1\\\nb=2\n") << ini << false;
        QTest::newRow("comment, blank") << QByteArray("; x=\"\n\n  \nk=v ; c\n") << ini << true;
    }
    void eachRuleOnItsOwn()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, path);
        QFETCH(bool, sound);
        const IniFileCheck::Limits limits =
            path == "tiny" ? IniFileCheck::Limits{16, 3, 2} : IniFileCheck::limitsFor(path);
        QCOMPARE(IniFileCheck::isSoundText(text, limits), sound);
    }

    // What is kept of a damaged file: its sound lines, the first one too when an editor put a
    // byte order mark before it.
    void salvageKeepsSoundLines()
    {
        const IniFileCheck::Limits limits = IniFileCheck::limitsFor("x.prof");
        QCOMPARE(IniFileCheck::salvage("\xEF\xBB\xBF[PROFILE]\ndpi=3\n", limits),
                 QByteArray("[PROFILE]\ndpi=3\n"));
        QCOMPARE(IniFileCheck::salvage("[PROFILE]\nk=\"1\ndpi=3\n", limits),
                 QByteArray("[PROFILE]\ndpi=3\n"));
    }
};

QTEST_GUILESS_MAIN(TestIniFileCheck)
#include "tst_inifilecheck.moc"
