#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <vector>

// Keys that are set again and again, all of them each time (the 11099 of a profile), prepared
// once: normalised as QSettings takes them, spelled in Latin-1 so that they compare with the
// keys of a file byte for byte, and with their names escaped as the lines of a file give them.
// A writer that is handed a key of a set points to it, so the set must outlive the writer.
class IniKeySet
{
public:
    struct Key
    {
        QString text; // normalised
        int slash;    // the first in `text`, or -1
        // `text` in Latin-1; empty when it holds other characters (then `text` is compared).
        QByteArray latin1;
        QByteArray escapedName; // what follows the first slash, as a line of the file starts
        // The section's Latin-1 text, shared by every key of the section: keys of one section
        // find it equal by its address.
        const char* section = nullptr;
    };

    explicit IniKeySet(const QVector<QString>& keys);
    IniKeySet(const IniKeySet&) = delete;
    IniKeySet& operator=(const IniKeySet&) = delete;

    int size() const { return int(m_Keys.size()); }
    const Key& at(int i) const { return m_Keys[size_t(i)]; }

private:
    std::vector<Key> m_Keys;
    std::vector<QByteArray> m_Sections;
};
