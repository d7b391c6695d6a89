#include "model/IniWriter.h"

#include "model/IniText.h"
#include "model/IniVariant.h"
#include "model/ThreadSpare.h"

#include <algorithm>
#include <numeric>

namespace {
// The positions 0..count-1 sorted by key with equal keys kept in their order, and only the last
// of each run of equal keys kept. Keys already in strict order, the usual case, are only
// checked.
template <class KeyOf> void sortKeepingLast(std::vector<int>& order, KeyOf keyOf)
{
    const auto less = [&](int a, int b) { return keyOf(a) < keyOf(b); };
    const int n = int(order.size());
    int i = 1;
    while (i < n && less(order[size_t(i) - 1], order[size_t(i)]))
        ++i;
    if (i >= n)
        return;
    std::stable_sort(order.begin(), order.end(), less);
    int kept = 0;
    for (i = 0; i < n; ++i) {
        if (i + 1 < n && !less(order[size_t(i)], order[size_t(i) + 1]))
            continue;
        order[size_t(kept++)] = order[size_t(i)];
    }
    order.resize(kept);
}
} // namespace

namespace {
struct LiveTag;
struct FileTag;
using SpareLive = ThreadSpare<std::vector<int>, LiveTag>;
using SpareFile = ThreadSpare<std::vector<int>, FileTag>;
} // namespace

IniWriter::IniWriter(const QByteArray& existing) : m_Existing(existing)
{
    ThreadSpare<std::vector<Setting>>::take(m_Settings);
    ThreadSpare<std::vector<Line>>::take(m_Lines);
}

IniWriter::~IniWriter()
{
    ThreadSpare<std::vector<Setting>>::giveBack(m_Settings);
    ThreadSpare<std::vector<Line>>::giveBack(m_Lines);
}

void IniWriter::append(Setting setting)
{
    m_Settings.push_back(std::move(setting));
    Setting& s = m_Settings.back();
    const IniKeySet::Key* k = s.prepared;
    m_bMerged = false;
    if (!k || k->latin1.isEmpty()) {
        s.sortKey = IniDocument::Key::of(s.key, s.slash);
        return;
    }
    // In Latin-1, as the file's own keys mostly are: compared byte for byte.
    const char* text = k->latin1.constData();
    const int n = k->latin1.size();
    if (s.slash < 0) {
        s.sortKey.name = {text, n, false};
        return;
    }
    s.sortKey.section = {k->section, s.slash, false};
    s.sortKey.name = {text + s.slash + 1, n - s.slash - 1, false};
}

void IniWriter::rebase(const QByteArray& existing)
{
    m_Existing = existing;
    m_pDocument.reset();
    m_bMerged = false;
}

void IniWriter::reserve(int keys)
{
    m_Settings.reserve(m_Settings.size() + size_t(qMax(0, keys)));
}

void IniWriter::setValue(const QString& key, const QVariant& value)
{
    if (key.isEmpty())
        return;
    // A key of slashes alone comes out empty, and is kept so.
    QString k = IniText::normalizedKey(key);
    const int slash = k.indexOf(QLatin1Char('/'));
    append({std::move(k), value, slash, true, nullptr, {}});
}

void IniWriter::setValue(const IniKeySet& keys, int i, const QVariant& value)
{
    const IniKeySet::Key& k = keys.at(i);
    if (k.text.isEmpty())
        return;
    append({k.text, value, k.slash, true, &k, {}});
}

void IniWriter::remove(const QString& key)
{
    // Only keys set here can be dropped now; the file's own keys are weighed against the
    // removals when it is read.
    const QString k = IniText::normalizedKey(key);
    const QString prefix = k + QLatin1Char('/');
    for (Setting& s : m_Settings) {
        if (s.live && (k.isEmpty() || s.key == k || s.key.startsWith(prefix)))
            s.live = false;
    }
    m_Removed.append(k);
    m_bMerged = false;
}

bool IniWriter::isRemoved(const QString& key) const
{
    for (const QString& removed : m_Removed) {
        if (removed.isEmpty() || key == removed ||
            (key.startsWith(removed) && key.at(removed.size()) == QLatin1Char('/')))
            return true;
    }
    return false;
}

// The file's keys and the settings, both in key order, merged into the lines of the result.
void IniWriter::merge()
{
    if (m_bMerged)
        return;
    m_bMerged = true;
    if (!m_pDocument)
        m_pDocument = std::make_unique<IniDocument>(m_Existing);

    std::vector<int> set;
    SpareLive::take(set);
    set.reserve(size_t(m_Settings.size()));
    for (int i = 0; i < int(m_Settings.size()); ++i) {
        if (m_Settings[size_t(i)].live)
            set.push_back(i);
    }
    sortKeepingLast(set, [this](int i) -> const IniDocument::Key& { return settingKey(i); });
    const QVector<IniDocument::Entry>& entries = m_pDocument->entries();
    std::vector<int> file;
    SpareFile::take(file);
    file.resize(size_t(entries.size()));
    std::iota(file.begin(), file.end(), 0);
    sortKeepingLast(file, [&entries](int i) -> const IniDocument::Key& { return entries[i].key; });

    m_bRemovedOriginal = false;
    m_Lines.clear();
    m_Lines.reserve(set.size() + file.size());
    const int setCount = int(set.size());
    int s = 0;
    for (const int f : file) {
        const IniDocument::Key& key = entries[f].key;
        int c = -1;
        while (s < setCount && (c = IniDocument::Key::compare(keyOf({set[s], -1}), key)) < 0)
            m_Lines.push_back({set[s++], -1});
        if (s < setCount && c == 0)
            continue; // set again: the setting takes its place
        if (!m_Removed.isEmpty() && isRemoved(key.toString())) {
            m_bRemovedOriginal = true;
            continue;
        }
        m_Lines.push_back({-1, f});
    }
    for (; s < setCount; ++s)
        m_Lines.push_back({set[s], -1});
    SpareLive::giveBack(set);
    SpareFile::giveBack(file);
}

const IniDocument::Key& IniWriter::keyOf(const Line& line) const
{
    return line.setting >= 0 ? settingKey(line.setting) : m_pDocument->entries()[line.entry].key;
}

bool IniWriter::hasChanges()
{
    merge();
    return m_bRemovedOriginal || std::any_of(m_Settings.cbegin(), m_Settings.cend(),
                                             [](const Setting& s) { return s.live; });
}

void IniWriter::appendValue(const Line& line, QByteArray& out) const
{
    QTextCodec* codec = m_pDocument->codec();
    if (line.setting >= 0) {
        IniVariant::encode(m_Settings[size_t(line.setting)].value, out, codec);
        return;
    }
    const IniDocument::Entry& e = m_pDocument->entries()[line.entry];
    const char* text = m_pDocument->chunk(e.chunk).constData();
    if (!codec && IniText::isPlainText(text + e.from, e.to - e.from))
        out.append(text + e.from, e.to - e.from);
    else
        IniVariant::encode(IniVariant::decode(text, e.from, e.to, codec), out, codec);
}

QByteArray IniWriter::toBytes()
{
    merge();
    const auto appendKey = [](const IniDocument::Part& p, QByteArray& out) {
        if (p.wide)
            IniText::escapeKey(static_cast<const QChar*>(p.data), p.size, out);
        else
            IniText::escapeKey(static_cast<const char*>(p.data), p.size, out);
    };
    // A file rewritten with its keys set again is about as long as it was. The text of the
    // last one on this thread is written into again once nobody holds it.
    thread_local QByteArray spareText;
    QByteArray out;
    if (spareText.isDetached())
        out.swap(spareText);
    out.reserve(qMax(m_Existing.size() + m_Existing.size() / 8, 32 * int(m_Lines.size())));
    out.resize(0);
    const int count = int(m_Lines.size());
    IniDocument::Key key = count > 0 ? keyOf(m_Lines[0]) : IniDocument::Key();
    IniDocument::Part section;
    for (int i = 0; i < count; ++i) {
        const Line& line = m_Lines[size_t(i)];
        const IniDocument::Key& next = i + 1 < count ? keyOf(m_Lines[size_t(i) + 1]) : key;
        // Keys that differ only in a leading slash share a line; the last one's value stays.
        if (i + 1 < count && key.sameLine(next)) {
            key = next;
            continue;
        }
        if (out.isEmpty() || IniDocument::Part::compare(key.section, section) != 0) {
            QByteArray header;
            appendKey(key.section, header);
            if (header.isEmpty())
                header = "[General]";
            else if (header.compare("general", Qt::CaseInsensitive) == 0)
                header = "[%General]";
            else
                header = '[' + header + ']';
            if (!out.isEmpty())
                out += '\n';
            out += header;
            out += '\n';
            section = key.section;
        }
        if (line.setting >= 0 && m_Settings[size_t(line.setting)].prepared)
            out += m_Settings[size_t(line.setting)].prepared->escapedName;
        else
            appendKey(key.name, out);
        out += '=';
        appendValue(line, out);
        out += '\n';
        key = next;
    }
    spareText = out;
    return out;
}
