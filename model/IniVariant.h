#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

class QTextCodec;

// Values of an INI settings file as Qt 5.15's QSettings in IniFormat turns them into text and
// back: numbers and texts as they print, rectangles, sizes and points as "@Rect(...)" and the
// like, byte arrays as "@ByteArray(...)", and every other type (colours among them) through
// QDataStream as "@Variant(...)".
class IniVariant
{
public:
    static QVariant stringToVariant(const QString& s);
    static QVariant stringListToVariantList(const QStringList& l);
    static QString variantToString(const QVariant& v);
    static QStringList variantListToStringList(const QVariantList& l);

    // The value whose escaped text is text[from, to).
    static QVariant decode(const char* text, int from, int to, QTextCodec* codec);
    // Appends the escaped text of `v`, as it follows the "=" of its line.
    static void encode(const QVariant& v, QByteArray& out, QTextCodec* codec);
};
