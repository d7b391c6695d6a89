#include "WindowRig.h"

#include "app/window/LanguageSwitcher.h"
#include "model/AppSettings.h"
#include "model/KeyTable.h"
#include "widgets/KivoPushButton.h"

#include <QMenu>
#include <QtTest>

// The language menu: translator, stored choice, retranslated texts, font, key names.
class TestLanguageSwitch : public QObject
{
    Q_OBJECT
private:
    static QVariant langId(const WindowRig& rig)
    {
        return QSettings(rig.folder() + "/Configs/LangConfig.ini", QSettings::IniFormat)
            .value("Config/LangID");
    }

private slots:
    void pickingRetranslatesAndStores()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        QMenu* menu = w.findChild<QMenu*>("languageMenu");

        menu->actions()[1]->trigger();
        QCOMPARE(langId(rig).toInt(), 1);
        // The change reaches the windows as a posted event.
        QTRY_COMPARE(rig.button("tabLighting")->text(), QStringLiteral("灯光"));
        QCOMPARE(rig.button("languageButton")->text(), QStringLiteral("简体中文"));
        QVERIFY(w.findChild<QMenu*>("languageMenu")->actions()[1]->isChecked());

        menu = w.findChild<QMenu*>("languageMenu");
        menu->actions()[0]->trigger();
        QCOMPARE(langId(rig).toInt(), 0);
        QTRY_COMPARE(rig.button("tabLighting")->text(), QStringLiteral("LIGHTING"));
    }

    void languageThatCannotLoadIsOnlyStored()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        QVERIFY(w.languageSwitcher()->pick(1));
        QTRY_COMPARE(rig.button("tabLighting")->text(), QStringLiteral("灯光"));
        // Index 5 has no file name in this installation: stored, but the texts stay.
        QVERIFY(!w.languageSwitcher()->pick(5));
        QCOMPARE(langId(rig).toInt(), 5);
        QTest::qWait(50);
        QCOMPARE(rig.button("tabLighting")->text(), QStringLiteral("灯光"));
    }

    void frenchKeyNamesFollowTheLanguage()
    {
        // linden's description names language 1 for the AZERTY key names.
        WindowRig rig(QStringLiteral("linden"));
        MousecfgWidget& w = rig.window();
        QVERIFY(!KeyTable::frenchNames());
        QVERIFY(w.languageSwitcher()->pick(1));
        QVERIFY(KeyTable::frenchNames());
        QVERIFY(w.languageSwitcher()->pick(2));
        QVERIFY(!KeyTable::frenchNames());
    }

    void catalogueBesideTheExecutableComesFirst()
    {
        TestAppFolder folder;
        // Nothing beside the executable: the compiled-in catalogue.
        QCOMPARE(LanguageSwitcher::catalogueFor(1), QStringLiteral(":/lang/sc.qm"));
        QVERIFY(QDir().mkpath(folder.path() + "/lang"));
        QVERIFY(QFile::copy(":/lang/tc.qm", folder.path() + "/lang/sc.qm"));
        QCOMPARE(LanguageSwitcher::catalogueFor(1), folder.path() + "/lang/sc.qm");
        QVERIFY(LanguageSwitcher::catalogueFor(7).isEmpty());
    }

    // The stored choice wins; without one, the first start takes the locale's language.
    void firstStartFollowsTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("iStored"); // -1: no LangConfig.ini
        QTest::addColumn<int>("iExpected");
        QTest::addColumn<QString>("cancel"); // Qt's own text for its standard Cancel button
        QTest::addColumn<QString>("lighting");
        QTest::newRow("first start, zh_TW") << "zh_TW" << -1 << 2 << "取消"
                                            << "燈光";
        QTest::newRow("first start, zh_CN") << "zh_CN" << -1 << 1 << "取消"
                                            << "灯光";
        QTest::newRow("stored English, zh_CN") << "zh_CN" << 0 << 0 << "Cancel"
                                               << "LIGHTING";
    }

    void firstStartFollowsTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(int, iStored);
        QFETCH(int, iExpected);
        QFETCH(QString, cancel);
        QFETCH(QString, lighting);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        {
            WindowRig rig(QStringLiteral("hornbeam"), true, false, 10, [iStored](const QString& f) {
                QFile::remove(f + "/Configs/LangConfig.ini");
                if (iStored >= 0)
                    QSettings(f + "/Configs/LangConfig.ini", QSettings::IniFormat)
                        .setValue("Config/LangID", iStored);
            });
            QCOMPARE(AppSettings::currentLanguageIndex(), iExpected);
            QCOMPARE(langId(rig).toInt(), iExpected);
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
            QCOMPARE(rig.button("tabLighting")->text(), lighting);
            const char* fonts[] = {"Noto Sans", "Noto Sans CJK SC", "Noto Sans CJK TC"};
            QCOMPARE(rig.window().font().family(), QString(fonts[iExpected]));
        }
        QLocale::setDefault(before);
    }
};

QTEST_MAIN(TestLanguageSwitch)
#include "tst_languageswitch.moc"
