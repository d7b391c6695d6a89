#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

// One image to produce: which SVG, at which pixel size(s), with which hidden layers revealed.
struct SkinJob
{
    enum Kind
    {
        Png,
        Ico,
        Gif
    };
    Kind kind = Png;
    QString output;         // relative to the output folder
    QString source;         // relative to the source folder
    QVector<QSize> sizes;   // one for PNG and GIF, one per icon entry for ICO
    QStringList show;       // ids of layers written with display="none" to reveal
    int frames = 1;         // GIF: frame count
    int delayMs = 80;       // GIF: time per frame
    double spinDegrees = 0; // GIF: rotation about the centre added per frame
    QString matte;          // GIF: colour the antialiased edges are blended onto (#rrggbb)
    int line = 0;           // manifest line, for error messages
};

// Reads the manifest: one image per line, "kind output source size [key=value ...]".
// A "range=a-b" option repeats the line with %d in output and show replaced by a..b.
class SkinManifest
{
public:
    bool load(const QString& path);
    const QVector<SkinJob>& jobs() const { return m_Jobs; }
    // Keeps the PNG images only, at `iFactor` times their size and named the way Qt looks for
    // such images ("name@2x.png"): the set a dense screen is drawn from.
    void scale(int iFactor);
    static QString scaledName(const QString& output, int iFactor);
    QString error() const { return m_strError; }

private:
    bool parseLine(const QString& text, int iLine);

    QVector<SkinJob> m_Jobs;
    QString m_strError;
};
