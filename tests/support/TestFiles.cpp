#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtTest>

#include <cstring>

bool TestFiles::write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray TestFiles::read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray TestFiles::randomBytes(int size, quint32 seed)
{
    QRandomGenerator rng(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; i += 4) {
        const quint32 word = rng.generate();
        std::memcpy(bytes.data() + i, &word, std::size_t(qMin(4, size - i)));
    }
    return bytes;
}

void TestFiles::addDamagedRows()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("binary garbage") << randomBytes(1 << 20, 7);
    QTest::newRow("nul bytes") << QByteArray(4096, '\0');
    QTest::newRow("unclosed sections") << QByteArray("[PROFILE\nSleepMax=3\n").repeated(50000);
    QTest::newRow("50 MB garbage") << randomBytes(50 << 20, 99);
}
