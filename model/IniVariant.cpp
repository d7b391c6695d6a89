#include "model/IniVariant.h"

#include "model/IniText.h"

#include <QDataStream>
#include <QDateTime>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace {
}

QStringList splitArgs(const QString& s, int idx)
{
    QStringList result;
    QString item;
    for (++idx; idx < s.length(); ++idx) {
        const QChar c = s.at(idx);
        if (c == QLatin1Char(')')) {
            result.append(item);
        } else if (c == QLatin1Char(' ')) {
            result.append(item);
            item.clear();
        } else {
            item.append(c);
        }
    } // namespace

    return result;
}

QVariant IniVariant::stringToVariant(const QString& s)
{
    if (s.startsWith(QLatin1Char('@'))) {
        if (s.endsWith(QLatin1Char(')'))) {
            if (s.startsWith(QLatin1String("@ByteArray("))) {
                return QVariant(s.midRef(11, s.size() - 12).toLatin1());
            } else if (s.startsWith(QLatin1String("@String("))) {
                return QVariant(s.midRef(8, s.size() - 9).toString());
            } else if (s.startsWith(QLatin1String("@Variant(")) ||
                       s.startsWith(QLatin1String("@DateTime("))) {
                const bool dateTime = s.at(1) == QLatin1Char('D');
                QByteArray a = s.midRef(dateTime ? 10 : 9).toLatin1();
                QDataStream stream(&a, QIODevice::ReadOnly);
                stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
                QVariant result;
                stream >> result;
                return result;
            } else if (s.startsWith(QLatin1String("@Rect("))) {
                const QStringList args = splitArgs(s, 5);
                if (args.size() == 4)
                    return QVariant(
                        QRect(args[0].toInt(), args[1].toInt(), args[2].toInt(), args[3].toInt()));
            } else if (s.startsWith(QLatin1String("@Size("))) {
                const QStringList args = splitArgs(s, 5);
                if (args.size() == 2)
                    return QVariant(QSize(args[0].toInt(), args[1].toInt()));
            } else if (s.startsWith(QLatin1String("@Point("))) {
                const QStringList args = splitArgs(s, 6);
                if (args.size() == 2)
                    return QVariant(QPoint(args[0].toInt(), args[1].toInt()));
            } else if (s == QLatin1String("@Invalid()")) {
                return QVariant();
            }
        }
        if (s.startsWith(QLatin1String("@@")))
            return QVariant(s.mid(1));
    }
    return QVariant(s);
}

QVariant IniVariant::stringListToVariantList(const QStringList& l)
{
    QStringList out = l;
    for (int i = 0; i < out.count(); ++i) {
        const QString& str = out.at(i);
        if (!str.startsWith(QLatin1Char('@')))
            continue;
        if (str.length() >= 2 && str.at(1) == QLatin1Char('@')) {
            out[i].remove(0, 1);
        } else {
            QVariantList variants;
            variants.reserve(l.count());
            for (const QString& s : l)
                variants.append(stringToVariant(s));
            return variants;
        }
    }
    return out;
}

QString IniVariant::variantToString(const QVariant& v)
{
    QString result;
    switch (v.userType()) {
    case QMetaType::UnknownType:
        result = QLatin1String("@Invalid()");
        break;
    case QMetaType::QByteArray: {
        const QByteArray a = v.toByteArray();
        result = QLatin1String("@ByteArray(") + QLatin1String(a.constData(), a.size()) +
                 QLatin1Char(')');
        break;
    }
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Double:
    case QMetaType::QKeySequence:
        result = v.toString();
        if (result.contains(QChar::Null))
            result = QLatin1String("@String(") + result + QLatin1Char(')');
        else if (result.startsWith(QLatin1Char('@')))
            result.prepend(QLatin1Char('@'));
        break;
    case QMetaType::QRect: {
        const QRect r = v.toRect();
        result = QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height());
        break;
    }
    case QMetaType::QSize: {
        const QSize s = v.toSize();
        result = QString::asprintf("@Size(%d %d)", s.width(), s.height());
        break;
    }
    case QMetaType::QPoint: {
        const QPoint p = v.toPoint();
        result = QString::asprintf("@Point(%d %d)", p.x(), p.y());
        break;
    }
    default: {
        const bool dateTime = v.userType() == QMetaType::QDateTime;
        QByteArray a;
        {
            QDataStream s(&a, QIODevice::WriteOnly);
            s.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            s << v;
        }
        result = QLatin1String(dateTime ? "@DateTime(" : "@Variant(") +
                 QLatin1String(a.constData(), a.size()) + QLatin1Char(')');
        break;
    }
    }
    return result;
}

QStringList IniVariant::variantListToStringList(const QVariantList& l)
{
    QStringList result;
    result.reserve(l.count());
    for (const QVariant& v : l)
        result.append(variantToString(v));
    return result;
}

QVariant IniVariant::decode(const char* text, int from, int to, QTextCodec* codec)
{
    QString single;
    QStringList list;
    if (IniText::unescapeStringList(text, from, to, single, list, codec))
        return stringListToVariantList(list);
    return stringToVariant(single);
}

void IniVariant::encode(const QVariant& v, QByteArray& out, QTextCodec* codec)
{
    // Numbers and plain names, nearly every value of a profile, go straight into the text.
    const int type = v.userType();
    if (type == QMetaType::Int) {
        IniText::appendNumber(v.toInt(), out);
    } else if (type == QMetaType::UInt) {
        IniText::appendNumber(v.toUInt(), out);
    } else if (type == QMetaType::QString &&
               IniText::isPlainText(*static_cast<const QString*>(v.constData()))) {
        const QString& s = *static_cast<const QString*>(v.constData());
        const int at = out.size();
        out.resize(at + s.size());
        char* p = out.data() + at;
        for (const QChar c : s)
            *p++ = char(c.unicode());
    } else if (type == QMetaType::QStringList ||
               (type == QMetaType::QVariantList && v.toList().size() != 1)) {
        IniText::escapeStringList(variantListToStringList(v.toList()), out, codec);
    } else {
        IniText::escapeString(variantToString(v), out, codec);
    }
}
