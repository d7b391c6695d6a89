#include "TestFiles.h"
#include "model/IniWriter.h"
#include "model/ProfileFiles.h"

#include <QColor>
#include <QDirIterator>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {
struct Edit
{
    bool bRemove;
    QString key;
    QVariant value;
};
using Edits = QVector<Edit>;
} // namespace
Q_DECLARE_METATYPE(Edits)

namespace {

// What QSettings leaves in a file that held `existing` after the same calls.
QByteArray viaQSettings(const QByteArray& existing, const Edits& edits)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/file.ini";
    if (!existing.isEmpty() && !TestFiles::write(path, existing))
        return "not written";
    {
        QSettings s(path, QSettings::IniFormat);
        for (const Edit& e : edits)
            e.bRemove ? s.remove(e.key) : s.setValue(e.key, e.value);
    }
    return TestFiles::read(path);
}

QByteArray viaWriter(const QByteArray& existing, const Edits& edits)
{
    IniWriter writer(existing);
    for (const Edit& e : edits)
        e.bRemove ? writer.remove(e.key) : writer.setValue(e.key, e.value);
    return writer.hasChanges() ? writer.toBytes() : existing;
}

// Awkward pieces of keys, values and lines, as raw file text and as strings.
const char* const kRawPieces[] = {"A",          "a",        "b c",
                                  " ",          "\t",       "\"",
                                  "\\",         "\\\\",     "\\x41",
                                  "\\0",        "=",        ";",
                                  ",",          "#",        "%",
                                  "%41",        "%U00e9",   "/",
                                  "//",         "\xc3\xa9", "@",
                                  "@@",         "\\n",      "x",
                                  "Key",        "KEY",      "[",
                                  "]",          "\\\n",     "@String(s)",
                                  "@Invalid()", "\"q, r\"", "@ByteArray(b)"};
const char* const kTextPieces[] = {"A",  "a", " ", ",", ";",  "=",         "#",   "\"",
                                   "\\", "/", "@", "%", "\t", "\n",        "0",   "f",
                                   "[",  "]", "Z", "",  "k",  "@Variant(", "\x7f"};

QString awkwardText(QRandomGenerator& rng, int maxPieces)
{
    static const QString unicode[] = {QStringLiteral("\u00e9"), QStringLiteral("\u4e2d"),
                                      QStringLiteral("\U0001F600"), QString(QChar(0))};
    QString s;
    for (int n = rng.bounded(maxPieces + 1); n > 0; --n)
        s += rng.bounded(6) == 0 ? unicode[rng.bounded(4)]
                                 : QString::fromLatin1(kTextPieces[rng.bounded(23)]);
    return s;
}

QByteArray awkwardFile(QRandomGenerator& rng)
{
    static const char* const sections[] = {"[A]",     "[a]",   "[General]", "[%General]",
                                           "[b%20c]", "[ A ]", "[Z"};
    QByteArray text = rng.bounded(10) == 0 ? "\xef\xbb\xbf" : "";
    for (int n = rng.bounded(14); n > 0; --n) {
        if (rng.bounded(4) == 0) {
            text += sections[rng.bounded(7)];
        } else {
            for (int k = rng.bounded(1, 4); k > 0; --k)
                text += kRawPieces[rng.bounded(33)];
            text += rng.bounded(8) ? "=" : "";
            for (int k = rng.bounded(4); k > 0; --k)
                text += kRawPieces[rng.bounded(33)];
        }
        text += rng.bounded(5) ? "\n" : "\r\n";
    }
    return text;
}

QVariant awkwardValue(QRandomGenerator& rng)
{
    switch (rng.bounded(9)) {
    case 6:
        return rng.bounded(2) == 1;
    case 7:
        return awkwardText(rng, 4).toUtf8();
    case 8:
        return rng.generateDouble() * 1e6 - 5e5;
    case 0:
        return int(rng.generate());
    case 1:
        return rng.generate();
    case 2:
        return QStringList{awkwardText(rng, 3), awkwardText(rng, 3)};
    case 3:
        return QColor::fromRgb(rng.generate());
    default:
        return awkwardText(rng, 6);
    }
}

// Keys mostly from a small set, so that edits meet keys of the file in another case.
QString awkwardKey(QRandomGenerator& rng)
{
    static const char* const keys[] = {"A/Key", "a/key",    "A/x", "General/k", "b c/%",
                                       "Key",   "/A//Key/", "A",   "x"};
    return rng.bounded(3) ? QString::fromLatin1(keys[rng.bounded(9)]) : awkwardText(rng, 3);
}
} // namespace

class TestIniWriter : public QObject
{
    Q_OBJECT

private slots:
    void bytesMatchQSettings_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<Edits>("edits");
        // Every settings file of the sample installations, touched and rewritten key by key.
        QDirIterator it(MOUSECFG_DATA_DIR, {"*.ini", "*.prof", "*.bin"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QSettings s(path, QSettings::IniFormat);
            const QStringList keys = s.allKeys();
            Edits all;
            for (const QString& key : keys)
                all.append({false, key, s.value(key)});
            const Edits touch{{false, "Zeta/added", 1},
                              {false, keys.value(0), "changed, \u00e9"},
                              {true, keys.value(1), {}}};
            const QByteArray bytes = TestFiles::read(path);
            QTest::newRow(qPrintable(path + " touched")) << bytes << touch;
            QTest::newRow(qPrintable(path + " all")) << bytes << all;
            // Saved afresh with the keys in another order than their lines': every other
            // one from the end, then the rest.
            Edits fresh;
            for (int i = all.size() - 1; i >= 0; i -= 2)
                fresh.append(all[i]);
            for (int i = all.size() - 2; i >= 0; i -= 2)
                fresh.append(all[i]);
            QTest::newRow(qPrintable(path + " fresh")) << QByteArray() << fresh;
        }
        for (quint32 seed = 1; seed <= 400; ++seed) {
            QRandomGenerator rng(seed);
            const QByteArray existing = awkwardFile(rng);
            Edits edits;
            for (int n = rng.bounded(8); n > 0; --n) {
                const bool bRemove = rng.bounded(5) == 0;
                edits.append({bRemove, awkwardKey(rng), bRemove ? QVariant() : awkwardValue(rng)});
            }
            QTest::newRow(qPrintable(QString("random %1").arg(seed))) << existing << edits;
        }
    }
    void bytesMatchQSettings()
    {
        QFETCH(QByteArray, existing);
        QFETCH(Edits, edits);
        QCOMPARE(viaWriter(existing, edits), viaQSettings(existing, edits));
    }

    void unchangedContentIsNotRewritten_data()
    {
        QTest::addColumn<int>("changedEvent"); // -1: none
        QTest::addColumn<bool>("tamper");      // damaged in place between the saves
        QTest::newRow("same profile") << -1 << false;
        QTest::newRow("last event of the last button") << 83 << false;
        QTest::newRow("first event") << 0 << false;
        QTest::newRow("same profile, file damaged behind its back") << -1 << true;
    }
    void unchangedContentIsNotRewritten()
    {
        QFETCH(int, changedEvent);
        QFETCH(bool, tamper);
        QTemporaryDir dir;
        const QString path = dir.path() + "/Profile 1.prof";
        ProfileData profile;
        profile.ProfileName = "Profile 1";
        QVERIFY(ProfileFiles::saveProfile(profile, path));
        struct stat before = {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
        if (tamper) {
            // A NUL byte for a digit: the same size and file, written later, as an editor would.
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            const qint64 at = file.readAll().indexOf("=0\n") + 1;
            QVERIFY(at > 0 && file.seek(at) && file.write("\0", 1) == 1);
            QVERIFY(file.setFileTime(QDateTime::fromSecsSinceEpoch(before.st_mtim.tv_sec + 2),
                                     QFileDevice::FileModificationTime));
        }
        if (changedEvent >= 0)
            profile.ButtonInfo[ProfileData::kButtonCount - 1].KeyInfo[changedEvent][2] = 9;
        QVERIFY(ProfileFiles::saveProfile(profile, path));
        struct stat after = {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &after), 0);
        // A rewrite replaces the file: a new inode, whatever the clock says.
        const bool same = before.st_ino == after.st_ino &&
                          before.st_mtim.tv_nsec == after.st_mtim.tv_nsec &&
                          before.st_mtim.tv_sec == after.st_mtim.tv_sec;
        QCOMPARE(same, changedEvent < 0 && !tamper);
        QCOMPARE(QDir(dir.path()).entryList({"*.damaged-*"}).size(), tamper ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestIniWriter)
#include "tst_iniwriter.moc"
