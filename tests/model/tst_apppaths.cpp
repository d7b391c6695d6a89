#include "TestFiles.h"
#include "model/AppPaths.h"
#include "model/ProfileFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

// Where the application folder and the writable Configs folder are found: build tree, portable
// copy, installed layout, and seeding the user's folder from the installed defaults.
class TestAppPaths : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<QTemporaryDir> m_pRoot;

    QString root() const { return m_pRoot->path(); }
    QString userConfigs() const { return root() + "/home/.config/mousecfg/Configs"; }

    static void write(const QString& path, const QByteArray& bytes)
    {
        QVERIFY2(TestFiles::write(path, bytes), qPrintable(path));
    }
    static QByteArray read(const QString& path) { return TestFiles::read(path); }

    // An application folder's read-only parts and its default Configs.
    void layOutAppFolder(const QString& dir)
    {
        write(dir + "/DefaultProfile.bin", "[PROFILE]\nProductName=HORNBEAM\n");
        write(dir + "/skin/logo.png", "png");
        write(dir + "/Configs/Config.ini", "[Config]\nProfile1=Default\n");
        write(dir + "/Configs/LangConfig.ini", "[Config]\nLangID=0\n");
        write(dir + "/Configs/Profile/Default.prof", "[PROFILE]\ndpi=2\n");
        write(dir + "/Configs/HORNBEAM/Config.ini", "[PROFILE_LIST]\nCount=1\n1=Default\n");
        write(dir + "/Configs/HORNBEAM/Profile/Default.prof", "[PROFILE]\ndpi=3\n");
    }
    QStringList filesUnder(const QString& dir) const
    {
        QStringList files;
        QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(dir).relativeFilePath(it.next());
        files.sort();
        return files;
    }
    QString installedBin() const { return root() + "/usr/bin"; }
    QString installedData() const { return root() + "/usr/share/mousecfg"; }
    void layOutInstalled()
    {
        QVERIFY(QDir().mkpath(installedBin()));
        layOutAppFolder(installedData());
        AppPaths::setProgramDir(installedBin());
    }

private slots:
    void init()
    {
        m_pRoot.reset(new QTemporaryDir);
        QVERIFY(m_pRoot->isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(root() + "/home/.config"));
        AppPaths::setAppDir(QString());
        AppPaths::setProgramDir(QString());
    }
    void cleanup()
    {
        AppPaths::setAppDir(QString());
        AppPaths::setProgramDir(QString());
        m_pRoot.reset();
    }

    void buildTreeKeepsEverythingBesideTheExecutable()
    {
        const QString app = root() + "/build/bin";
        layOutAppFolder(app);
        // An installed copy elsewhere on the machine must not win over the folder itself.
        layOutAppFolder(root() + "/build/share/mousecfg");
        AppPaths::setProgramDir(app);
        QCOMPARE(AppPaths::appDir(), app);
        QCOMPARE(AppPaths::deviceDescriptionFile(), app + "/DefaultProfile.bin");
        QCOMPARE(AppPaths::configIni(), app + "/Configs/Config.ini");
        QVERIFY(!AppPaths::configInUserDir());
        QCOMPARE(AppPaths::seedConfigDir(), 0);
        QVERIFY(!QFileInfo::exists(root() + "/home"));

        // A folder without Configs yet stays portable.
        const QString portable = root() + "/portable";
        write(portable + "/DefaultProfile.bin", "[PROFILE]\nProductName=HORNBEAM\n");
        AppPaths::setProgramDir(portable);
        QCOMPARE(AppPaths::configDir(), portable + "/Configs");
        QVERIFY(!AppPaths::configInUserDir());
    }

    void seedingCopiesTheDefaultsOnce()
    {
        layOutInstalled();
        const QStringList shipped = filesUnder(installedData() + "/Configs");
        // Packaged files are read-only; the user's copies must still take writes.
        for (const QString& f : shipped)
            QVERIFY(QFile(installedData() + "/Configs/" + f)
                        .setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

        QCOMPARE(AppPaths::seedConfigDir(), shipped.size());
        QCOMPARE(filesUnder(userConfigs()), shipped);
        for (const QString& f : shipped) {
            QCOMPARE(read(userConfigs() + "/" + f), read(installedData() + "/Configs/" + f));
            QVERIFY2(QFile(userConfigs() + "/" + f).permissions() & QFile::WriteOwner,
                     qPrintable(f));
        }
        // The program reads and writes the seeded folder, never the installed one (decided by
        // the layout, not by permission bits: root could write there).
        MouseConfig config;
        ProfileFiles::loadConfiguration(config);
        QCOMPARE(config.Profile[0].dpi, quint8(2));
        QVERIFY(ProfileFiles::saveActiveSlot(3));
        QVERIFY(read(userConfigs() + "/Config.ini").contains("ProfileID=3"));

        // Set up once: a profile the user deleted is not brought back.
        QVERIFY(QFile::remove(userConfigs() + "/HORNBEAM/Profile/Default.prof"));
        QCOMPARE(AppPaths::seedConfigDir(), 0);
        QVERIFY(!QFileInfo::exists(userConfigs() + "/HORNBEAM/Profile/Default.prof"));
        QCOMPARE(read(installedData() + "/Configs/Config.ini"),
                 QByteArray("[Config]\nProfile1=Default\n"));
    }

    void seedingNeverReplacesUserFiles()
    {
        layOutInstalled();
        // A seeding cut short, or files the user put there by hand: kept, the rest completed.
        write(userConfigs() + "/Profile/Default.prof", "[PROFILE]\ndpi=7\n");
        write(userConfigs() + "/MacroDB/Mine.MSMACRO", "mine");
        QCOMPARE(AppPaths::seedConfigDir(), 4);
        QCOMPARE(read(userConfigs() + "/Profile/Default.prof"), QByteArray("[PROFILE]\ndpi=7\n"));
        QCOMPARE(read(userConfigs() + "/MacroDB/Mine.MSMACRO"), QByteArray("mine"));
        QCOMPARE(read(userConfigs() + "/HORNBEAM/Profile/Default.prof"),
                 QByteArray("[PROFILE]\ndpi=3\n"));

        // An existing Config.ini marks a folder already set up: nothing at all is copied.
        QVERIFY(QFile::remove(userConfigs() + "/LangConfig.ini"));
        write(userConfigs() + "/Config.ini", "[Config]\nProfile1=Mine\n");
        QCOMPARE(AppPaths::seedConfigDir(), 0);
        QVERIFY(!QFileInfo::exists(userConfigs() + "/LangConfig.ini"));

        // A file where the user's folder should be: fails for root as well.
        QVERIFY(QDir(root() + "/home/.config/mousecfg").removeRecursively());
        write(root() + "/home/.config/mousecfg", "not a folder");
        QCOMPARE(AppPaths::seedConfigDir(), -1);
    }
};

QTEST_GUILESS_MAIN(TestAppPaths)
#include "tst_apppaths.moc"
