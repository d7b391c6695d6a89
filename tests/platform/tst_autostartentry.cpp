#include "platform/AutostartEntry.h"

#include <QTemporaryDir>
#include <QtTest>

// The desktop's autostart entry: where it goes, what it starts, and that it goes away again.
class TestAutostartEntry : public QObject
{
    Q_OBJECT
private slots:
    void entry_data()
    {
        QTest::addColumn<QString>("configHome"); // under the temporary folder; "-": unset
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("where"); // under the temporary folder
        QTest::addColumn<QString>("exec");
        QTest::newRow("config home") << "cfg"
                                     << "/usr/bin/mousecfg"
                                     << "cfg/autostart"
                                     << "Exec=/usr/bin/mousecfg --hidden\n";
        QTest::newRow("unset") << "-"
                               << "/opt/m/mousecfg"
                               << "home/.config/autostart"
                               << "Exec=/opt/m/mousecfg --hidden\n";
        QTest::newRow("relative, ignored") << "rel"
                                           << "/opt/mousecfg"
                                           << "home/.config/autostart"
                                           << "Exec=/opt/mousecfg --hidden\n";
        QTest::newRow("quoted") << "cfg"
                                << "/opt/My Tools/100%/mouse$cfg"
                                << "cfg/autostart"
                                << "Exec=\"/opt/My Tools/100%%/mouse\\\\$cfg\" --hidden\n";
    }
    void entry()
    {
        QFETCH(QString, configHome);
        QFETCH(QString, program);
        QFETCH(QString, where);
        QTemporaryDir dir;
        qputenv("HOME", (dir.path() + "/home").toUtf8());
        if (configHome == "-")
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME",
                    configHome == "rel" ? "rel" : QFile::encodeName(dir.filePath(configHome)));
        const AutostartEntry entry(program);
        const QString file = dir.path() + "/" + where + "/mousecfg.desktop";
        QCOMPARE(AutostartEntry::path(), file);
        QVERIFY(!entry.isEnabled());
        QVERIFY(entry.setEnabled(true));
        QVERIFY(entry.isEnabled());
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(written.readAll());
        QVERIFY(text.startsWith("[Desktop Entry]\nType=Application\n"));
        QFETCH(QString, exec);
        QVERIFY2(text.contains(exec), qPrintable(text));
        QVERIFY(entry.setEnabled(false));
        QVERIFY(!QFile::exists(file));
        QVERIFY(entry.setEnabled(false));
    }
};

QTEST_MAIN(TestAutostartEntry)
#include "tst_autostartentry.moc"
