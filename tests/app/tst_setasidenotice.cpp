// A settings file set aside while the window loads, or later on another thread, is told once.
#include "WindowRig.h"

#include "app/SetAsideNotice.h"
#include "model/SetAsideFiles.h"

#include <QtTest>

#include <thread>

class TestSetAsideNotice : public QObject
{
    Q_OBJECT

private slots:
    void eachFileIsToldOnce()
    {
        SetAsideFiles::take();
        const auto damage = [](const QString& folder) {
            QFile f(folder + "/Configs/Config.ini");
            QVERIFY(f.open(QIODevice::Append));
            f.write("[Mouse_List\n");
        };
        WindowRig rig(QStringLiteral("hornbeam"), true, false, 10, damage);
        const QString config = rig.folder() + "/Configs/Config.ini";
        QTRY_COMPARE(rig.m_Prompts.texts().size(), 1);
        const QStringList kept =
            QDir(rig.folder() + "/Configs").entryList({"Config.ini.damaged-*"}, QDir::Files);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(rig.m_Prompts.texts()[0],
                 SetAsideNotice::text(config, rig.folder() + "/Configs/" + kept[0]));
        QCOMPARE(rig.m_Prompts.shown()[0].text2, SetAsideNotice::text2());

        std::thread writer([] { SetAsideFiles::record("/a/Config.ini", "/a/Config.ini.x"); });
        writer.join();
        QTRY_COMPARE(rig.m_Prompts.texts().size(), 2);
        QCOMPARE(rig.m_Prompts.texts()[1],
                 SetAsideNotice::text("/a/Config.ini", "/a/Config.ini.x"));
        QTest::qWait(50);
        QCOMPARE(rig.m_Prompts.texts().size(), 2);
    }
};

QTEST_MAIN(TestSetAsideNotice)
#include "tst_setasidenotice.moc"
