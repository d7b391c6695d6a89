#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

// One announcement for the on-screen-display program, as the 1044-byte block both sides
// exchange (little-endian):
//   0    text, 256 UTF-16 code units, zero-terminated
//   512  32-bit 0
//   516  32-bit 1500   how long the OSD shows the text, in milliseconds
//   520  32-bit 0
//   524  32-bit colour 0x00BBGGRR
//   528  32-bit 60     text height in pixels (before the screen's scale)
//   532  font face, 256 UTF-16 code units, zero-terminated
struct OsdMessage
{
    static constexpr int kBlockSize = 1044;
    static constexpr int kTextUnits = 256;

    QString text;
    quint32 reserved0 = 0;
    quint32 durationMs = 1500;
    quint32 reserved1 = 0;
    quint32 colourRef = 0; // 0x00BBGGRR
    quint32 textSize = 60;
    QString fontFace = QStringLiteral("Arial");

    static OsdMessage announcement(const QString& text, const QColor& colour);
    static quint32 toColourRef(const QColor& colour);
    QColor colour() const;

    // Text longer than 255 code units is cut, never in the middle of a surrogate pair.
    QByteArray toBlock() const;
    // False when `block` is not exactly kBlockSize bytes. A text field without a terminator is
    // read up to its end.
    static bool fromBlock(const QByteArray& block, OsdMessage* message);
};
