// A settings file set aside while the window loads, or later on another thread, is told once.
#include "WindowRig.h"

#include "app/status/SetAsideNotice.h"
#include "model/SetAsideFiles.h"

#include <QtTest>

#include <thread>

class TestSetAsideNotice : public QObject
{
    Q_OBJECT

private slots:
    void eachFileIsToldOnce()
    {
        WindowRig rig("hornbeam", true, false, 10, [](const QString& folder) {
            QFile f(folder + "/Configs/Config.ini");
            QVERIFY(f.open(QIODevice::Append) && f.write("[Mouse_List\n") > 0);
        });
        const QString configs = rig.folder() + "/Configs/";
        const QStringList kept = QDir(configs).entryList({"Config.ini.damaged-*"});
        QCOMPARE(kept.size(), 1);
        std::thread writer([] { SetAsideFiles::record("/a/b", "/a/b.x"); });
        writer.join();
        QTRY_COMPARE(rig.m_Prompts.texts().size(), 2);
        QTest::qWait(50);
        QCOMPARE(rig.m_Prompts.texts(),
                 QStringList({SetAsideNotice::text(configs + "Config.ini", configs + kept[0]),
                              SetAsideNotice::text("/a/b", "/a/b.x")}));
        QCOMPARE(rig.m_Prompts.shown()[0].text2, SetAsideNotice::text2());
    }
};

QTEST_MAIN(TestSetAsideNotice)
#include "tst_setasidenotice.moc"
