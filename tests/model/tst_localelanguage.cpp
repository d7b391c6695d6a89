#include "model/LocaleLanguage.h"

#include <QtTest>

// Which of the installation's languages a locale gets at the first start.
class TestLocaleLanguage : public QObject
{
    Q_OBJECT
private slots:
    void languageOfLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("iIndex"); // in a list ordered tc, en, sc
        QTest::newRow("zh_CN") << "zh_CN" << 2;
        QTest::newRow("zh_SG") << "zh_SG" << 2;
        QTest::newRow("zh") << "zh" << 2;
        QTest::newRow("zh_TW") << "zh_TW" << 0;
        QTest::newRow("zh_HK") << "zh_HK" << 0;
        QTest::newRow("zh_MO") << "zh_MO" << 0;
        QTest::newRow("zh_Hant_CN") << "zh_Hant_CN" << 0;
        QTest::newRow("en_US") << "en_US" << 1;
        QTest::newRow("ja_JP") << "ja_JP" << 1;
        QTest::newRow("C") << "C" << 1;
    }
    void languageOfLocale()
    {
        QFETCH(QString, locale);
        QFETCH(int, iIndex);
        LanguageList list;
        list.count = 3;
        list.files[0] = "tc";
        list.files[1] = "EN";
        list.files[2] = "sc";
        QCOMPARE(LocaleLanguage::indexFor(QLocale(locale), list), iIndex);
        // An installation without that language starts in its first one.
        list.count = 1;
        list.files[0] = "en";
        QCOMPARE(LocaleLanguage::indexFor(QLocale(locale), list), 0);
    }
};

QTEST_GUILESS_MAIN(TestLocaleLanguage)
#include "tst_localelanguage.moc"
