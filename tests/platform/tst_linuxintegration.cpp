#include "TestAppFolder.h"
#include "device/DeviceAccess.h"
#include "model/AppPaths.h"
#include "platform/OsdClient.h"
#include "platform/ProgramLauncher.h"

#include <QtTest>

// The files that make the tool a citizen of the desktop: the udev rule against the device slot
// table, and the programs found in an installed layout.
class TestLinuxIntegration : public QObject
{
    Q_OBJECT

private:
    static QString dataFile(const QString& relative)
    {
        return QStringLiteral(MOUSECFG_DATA_DIR) + "/" + relative;
    }
    static QStringList lines(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return {};
        QStringList out;
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
            const QString trimmed = line.trimmed();
            if (!trimmed.isEmpty() && !trimmed.startsWith('#'))
                out << trimmed;
        }
        return out;
    }
    static QString hex4(quint32 value)
    {
        return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
    }

private slots:
    void udevRuleCoversExactlyTheSlotTable()
    {
        const QString rule = dataFile("udev/60-mousecfg.rules");
        // udev reads rules in file-name order; the uaccess tag only works before the seat rules.
        QVERIFY(QFileInfo(rule).fileName() < QStringLiteral("73-seat-late.rules"));

        // Every rule: a hidraw node whose USB device has one vendor and product, tagged uaccess.
        // sysfs shows the IDs in lower-case hex and udev compares the text: "3F1C" never matches.
        const QRegularExpression shape(
            "^SUBSYSTEM==\"hidraw\", ATTRS\\{idVendor\\}==\"([0-9a-f]{4})\", "
            "ATTRS\\{idProduct\\}==\"([0-9a-f]{4})\", TAG\\+=\"uaccess\"$");
        QSet<QString> ruled;
        const QStringList rules = lines(rule);
        QVERIFY(!rules.isEmpty());
        for (const QString& line : rules) {
            const QRegularExpressionMatch m = shape.match(line);
            QVERIFY2(m.hasMatch(), qPrintable(line));
            ruled.insert(m.captured(1) + ":" + m.captured(2));
        }
        QCOMPARE(ruled.size(), rules.size());

        // The table the running program matches devices with.
        TestAppFolder folder;
        QVERIFY(folder.isValid());
        DeviceAccess::initSlotTable();
        QSet<QString> table;
        for (quint32 i = 0; i < DeviceAccess::slotCount(); ++i) {
            const DeviceSlot& slot = DeviceAccess::slot(i);
            table.insert(hex4(slot.receiverVendorId) + ":" + hex4(slot.receiverProductId));
            table.insert(hex4(slot.cableVendorId) + ":" + hex4(slot.cableProductId));
        }
        QCOMPARE(DeviceAccess::slotCount(), DeviceAccess::kSlotCount);
        QCOMPARE(ruled, table);
    }

    void installedProgramsAreFoundBesideTheExecutable()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString bin = root.path() + "/usr/bin";
        const QString data = root.path() + "/usr/share/mousecfg";
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(QDir().mkpath(data + "/skin/mouse/bin"));
        for (const QString& f : {bin + "/mouse-osd", data + "/DefaultProfile.bin",
                                 data + "/skin/mouse/bin/fwupdate-en.exe"}) {
            QFile file(f);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        AppPaths::setProgramDir(bin);
        QCOMPARE(OsdClient::programPath(), bin + "/mouse-osd");
        QCOMPARE(ProgramLauncher::inAppFolder("/skin/mouse/bin/fwupdate-en.exe"),
                 data + "/skin/mouse/bin/fwupdate-en.exe");
        // Missing either way: named in the application folder, where the launcher reports it.
        QCOMPARE(ProgramLauncher::inAppFolder("skin/mouse/bin/fwupdate-tc.exe"),
                 data + "/skin/mouse/bin/fwupdate-tc.exe");
        AppPaths::setProgramDir(QString());
    }
};

QTEST_GUILESS_MAIN(TestLinuxIntegration)
#include "tst_linuxintegration.moc"
