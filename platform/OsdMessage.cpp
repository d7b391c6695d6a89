#include "platform/OsdMessage.h"

#include <QtEndian>

namespace {
constexpr int kTextField = 0;
constexpr int kNumbersField = OsdMessage::kTextUnits * 2;
constexpr int kFontField = kNumbersField + 5 * 4;

void putText(char* field, const QString& text)
{
    int units = qMin(text.size(), OsdMessage::kTextUnits - 1);
    if (units > 0 && units < text.size() && text.at(units - 1).isHighSurrogate())
        --units;
    for (int i = 0; i < units; ++i)
        qToLittleEndian<quint16>(text.at(i).unicode(), field + 2 * i);
    // The rest of the field, terminator included, stays zero.
}

QString takeText(const char* field)
{
    QString text;
    for (int i = 0; i < OsdMessage::kTextUnits; ++i) {
        const quint16 unit = qFromLittleEndian<quint16>(field + 2 * i);
        if (unit == 0)
            break;
        text += QChar(unit);
    }
    return text;
}
} // namespace

quint32 OsdMessage::toColourRef(const QColor& colour)
{
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}

QColor OsdMessage::colour() const
{
    return QColor(colourRef & 0xFF, (colourRef >> 8) & 0xFF, (colourRef >> 16) & 0xFF);
}

OsdMessage OsdMessage::announcement(const QString& text, const QColor& colour)
{
    OsdMessage message;
    message.text = text;
    message.colourRef = toColourRef(colour);
    return message;
}

QByteArray OsdMessage::toBlock() const
{
    QByteArray block(kBlockSize, '\0');
    char* data = block.data();
    putText(data + kTextField, text);
    const quint32 numbers[] = {reserved0, durationMs, reserved1, colourRef, textSize};
    for (int i = 0; i < 5; ++i)
        qToLittleEndian<quint32>(numbers[i], data + kNumbersField + 4 * i);
    putText(data + kFontField, fontFace);
    return block;
}

bool OsdMessage::fromBlock(const QByteArray& block, OsdMessage* message)
{
    if (block.size() != kBlockSize)
        return false;
    const char* data = block.constData();
    message->text = takeText(data + kTextField);
    quint32 numbers[5];
    for (int i = 0; i < 5; ++i)
        numbers[i] = qFromLittleEndian<quint32>(data + kNumbersField + 4 * i);
    message->reserved0 = numbers[0];
    message->durationMs = numbers[1];
    message->reserved1 = numbers[2];
    message->colourRef = numbers[3];
    message->textSize = numbers[4];
    message->fontFace = takeText(data + kFontField);
    return true;
}
