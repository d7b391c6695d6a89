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
        QTest::addColumn<QString>("configHome"); // "cfg": a folder of the test's own
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec"); // the entry's Exec line
        const auto row = [](const char* tag, const char* home, const char* program,
                            const char* exec) {
            QTest::newRow(tag) << QString(home) << QString(program) << QString(exec);
        };
        row("config home", "cfg", "/usr/bin/mousecfg", "Exec=/usr/bin/mousecfg --hidden\n");
        row("empty: ~/.config", "", "/opt/m/mousecfg", "Exec=/opt/m/mousecfg --hidden\n");
        row("relative: ~/.config", "rel", "/opt/m", "Exec=/opt/m --hidden\n");
        row("quoted", "cfg", "/opt/My Tools/100%/mouse$cfg",
            "Exec=\"/opt/My Tools/100%%/mouse\\\\$cfg\" --hidden\n");
    }
    void entry()
    {
        QFETCH(QString, configHome);
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QTemporaryDir dir;
        qputenv("HOME", QFile::encodeName(dir.filePath("home")));
        const bool own = configHome == "cfg";
        qputenv("XDG_CONFIG_HOME",
                own ? QFile::encodeName(dir.filePath("cfg")) : configHome.toUtf8());
        const QString file =
            dir.filePath(own ? "cfg" : "home/.config") + "/autostart/mousecfg.desktop";
        const AutostartEntry entry(program);
        QCOMPARE(AutostartEntry::path(), file);
        QVERIFY(!entry.isEnabled());
        QVERIFY(entry.setEnabled(true) && entry.isEnabled());
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(written.readAll());
        QVERIFY2(text.startsWith("[Desktop Entry]\nType=Application\n") && text.contains(exec),
                 qPrintable(text));
        QVERIFY(entry.setEnabled(false));
        QVERIFY(!QFile::exists(file));
    }
};

QTEST_MAIN(TestAutostartEntry)
#include "tst_autostartentry.moc"
