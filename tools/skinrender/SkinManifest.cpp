#include "SkinManifest.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

namespace {
bool parseSize(const QString& text, QSize& size)
{
    const QStringList parts = text.split('x');
    if (parts.size() != 2)
        return false;
    bool okW = false;
    bool okH = false;
    size = QSize(parts[0].toInt(&okW), parts[1].toInt(&okH));
    return okW && okH && size.width() > 0 && size.height() > 0 && size.width() <= 4096 &&
           size.height() <= 4096;
}
} // namespace

bool SkinManifest::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        m_strError = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    QTextStream in(&file);
    int iLine = 0;
    while (!in.atEnd()) {
        ++iLine;
        const QString text = in.readLine().trimmed();
        if (text.isEmpty() || text.startsWith('#'))
            continue;
        if (!parseLine(text, iLine))
            return false;
    }
    return true;
}

bool SkinManifest::parseLine(const QString& text, int iLine)
{
    auto fail = [&](const QString& why) {
        m_strError = QStringLiteral("line %1: %2").arg(iLine).arg(why);
        return false;
    };
    const QStringList fields = text.split(QRegularExpression("\\s+"));
    if (fields.size() < 4)
        return fail("expected kind, output, source and size");

    SkinJob job;
    job.line = iLine;
    if (fields[0] == "png")
        job.kind = SkinJob::Png;
    else if (fields[0] == "ico")
        job.kind = SkinJob::Ico;
    else if (fields[0] == "gif")
        job.kind = SkinJob::Gif;
    else
        return fail("unknown kind " + fields[0]);
    job.output = fields[1];
    job.source = fields[2];
    if (job.output.contains("..") || job.source.contains(".."))
        return fail("paths must stay inside their folders");

    for (const QString& sizeText : fields[3].split(',')) {
        QSize size;
        if (!parseSize(sizeText, size))
            return fail("bad size " + sizeText);
        job.sizes.append(size);
    }
    if (job.kind != SkinJob::Ico && job.sizes.size() != 1)
        return fail("one size expected");

    int iFirst = 0;
    int iLast = -1;
    for (int i = 4; i < fields.size(); ++i) {
        const int eq = fields[i].indexOf('=');
        if (eq <= 0)
            return fail("bad option " + fields[i]);
        const QString key = fields[i].left(eq);
        const QString value = fields[i].mid(eq + 1);
        bool ok = true;
        if (key == "show") {
            job.show = value.split(',', Qt::SkipEmptyParts);
        } else if (key == "frames") {
            job.frames = value.toInt(&ok);
            ok = ok && job.frames >= 1 && job.frames <= 200;
        } else if (key == "delay") {
            job.delayMs = value.toInt(&ok);
            ok = ok && job.delayMs >= 10 && job.delayMs <= 10000;
        } else if (key == "spin") {
            job.spinDegrees = value.toDouble(&ok);
        } else if (key == "matte") {
            job.matte = value;
            ok = QRegularExpression("^#[0-9a-fA-F]{6}$").match(value).hasMatch();
        } else if (key == "range") {
            const QStringList ends = value.split('-');
            bool okA = false;
            bool okB = false;
            if (ends.size() == 2) {
                iFirst = ends[0].toInt(&okA);
                iLast = ends[1].toInt(&okB);
            }
            ok = okA && okB && iFirst <= iLast;
        } else {
            return fail("unknown option " + key);
        }
        if (!ok)
            return fail("bad value in " + fields[i]);
    }
    if (job.kind == SkinJob::Gif && job.matte.isEmpty())
        return fail("a GIF needs matte=#rrggbb");

    if (iLast < iFirst) {
        if (job.output.contains("%d"))
            return fail("%d without range");
        m_Jobs.append(job);
        return true;
    }
    if (!job.output.contains("%d"))
        return fail("range without %d in the output name");
    for (int n = iFirst; n <= iLast; ++n) {
        SkinJob one = job;
        one.output.replace("%d", QString::number(n));
        for (QString& id : one.show)
            id.replace("%d", QString::number(n));
        m_Jobs.append(one);
    }
    return true;
}

QString SkinManifest::scaledName(const QString& output, int iFactor)
{
    const int dot = output.lastIndexOf('.');
    const int slash = output.lastIndexOf('/');
    const QString suffix = QStringLiteral("@%1x").arg(iFactor);
    if (dot <= slash + 1)
        return output + suffix;
    return output.left(dot) + suffix + output.mid(dot);
}

void SkinManifest::scale(int iFactor)
{
    QVector<SkinJob> scaled;
    for (SkinJob job : m_Jobs) {
        if (job.kind != SkinJob::Png)
            continue;
        for (QSize& size : job.sizes)
            size *= iFactor;
        job.output = scaledName(job.output, iFactor);
        scaled.append(job);
    }
    m_Jobs = scaled;
}
