#include "core/app/IniFile.h"

#include "core/app/AtomicFile.h"

#include <QFile>
#include <QFileInfo>

namespace kvq {

Result<IniFile> IniFile::load(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return IniFile();
    if (!file.open(QIODevice::ReadOnly))
        return Result<IniFile>::failure(QStringLiteral("%1: %2").arg(path, file.errorString()),
                                        ErrorCode::FileAccess);
    IniFile ini = fromBytes(file.readAll());
    ini.existed_ = true;
    return ini;
}

IniFile IniFile::fromBytes(const QByteArray& bytes) {
    IniFile ini;
    const QString text = decodeText(bytes, &ini.encoding_);
    ini.newline_ = text.contains(QStringLiteral("\r\n")) || !text.contains(u'\n') ? QStringLiteral("\r\n")
                                                                                  : QStringLiteral("\n");
    ini.trailingNewline_ = text.isEmpty() || text.endsWith(u'\n');

    QStringList lines = text.split(u'\n');
    if (ini.trailingNewline_ && !lines.isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'[')) {
            const qsizetype close = trimmed.indexOf(u']');
            Section s;
            s.name = (close > 0 ? trimmed.mid(1, close - 1) : trimmed.mid(1)).trimmed();
            s.rawHeader = line;
            ini.sections_.push_back(std::move(s));
            continue;
        }
        if (ini.sections_.empty()) {
            Section pre;
            pre.headerless = true;
            ini.sections_.push_back(std::move(pre));
        }
        Entry e;
        e.raw = line;
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0 && !trimmed.startsWith(u';')) {
            e.key = line.left(eq).trimmed();
            e.value = line.mid(eq + 1).trimmed();
        }
        ini.sections_.back().entries.push_back(std::move(e));
    }
    for (Section& s : ini.sections_)
        rebuildEntryIndex(s);
    ini.rebuildSectionIndex();
    return ini;
}

void IniFile::rebuildSectionIndex() {
    sectionIndex_.clear();
    for (int i = 0; i < int(sections_.size()); ++i) {
        if (sections_[i].headerless)
            continue;
        const QString k = sections_[i].name.toLower();
        if (!sectionIndex_.contains(k))
            sectionIndex_.insert(k, i); // the first of duplicates wins
    }
}

void IniFile::rebuildEntryIndex(Section& s) {
    s.index.clear();
    for (int i = 0; i < int(s.entries.size()); ++i) {
        if (s.entries[i].key.isEmpty())
            continue;
        const QString k = s.entries[i].key.toLower();
        if (!s.index.contains(k))
            s.index.insert(k, i);
    }
}

const IniFile::Section* IniFile::findSection(const QString& name) const {
    const auto it = sectionIndex_.constFind(name.trimmed().toLower());
    return it == sectionIndex_.cend() ? nullptr : &sections_[it.value()];
}

IniFile::Section& IniFile::sectionForWrite(const QString& name) {
    if (const Section* s = findSection(name))
        return const_cast<Section&>(*s);
    Section s;
    s.name = name.trimmed();
    sections_.push_back(std::move(s));
    sectionIndex_.insert(sections_.back().name.toLower(), int(sections_.size()) - 1);
    return sections_.back();
}

const IniFile::Entry* IniFile::findEntry(const QString& section, const QString& key) const {
    const Section* s = findSection(section);
    if (!s)
        return nullptr;
    const auto it = s->index.constFind(key.trimmed().toLower());
    return it == s->index.cend() ? nullptr : &s->entries[it.value()];
}

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const {
    const Entry* e = findEntry(section, key);
    return e ? e->value : def;
}

int IniFile::readInteger(const QString& section, const QString& key, int def) const {
    const Entry* e = findEntry(section, key);
    if (!e)
        return def;
    bool ok = false;
    const int v = e->value.trimmed().toInt(&ok, 10);
    return ok ? v : def;
}

bool IniFile::readBool(const QString& section, const QString& key, bool def) const {
    return readInteger(section, key, def ? 1 : 0) != 0;
}

double IniFile::readFloat(const QString& section, const QString& key, double def) const {
    const Entry* e = findEntry(section, key);
    if (!e)
        return def;
    QString t = e->value.trimmed();
    t.replace(u',', u'.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? v : def;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    Section& s = sectionForWrite(section);
    const QString k = key.trimmed();
    const auto it = s.index.constFind(k.toLower());
    if (it != s.index.cend()) {
        Entry& e = s.entries[it.value()];
        if (e.value == value)
            return; // unchanged: keep the original line
        e.value = value;
        e.raw.clear();
        return;
    }
    // New keys go after the last key of the section, before trailing blank lines.
    int pos = int(s.entries.size());
    while (pos > 0 && s.entries[pos - 1].key.isEmpty() && s.entries[pos - 1].raw.trimmed().isEmpty())
        --pos;
    s.entries.insert(s.entries.begin() + pos, Entry{k, value, {}});
    rebuildEntryIndex(s);
}

void IniFile::writeInteger(const QString& section, const QString& key, int value) {
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value) {
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::sectionExists(const QString& section) const {
    return findSection(section) != nullptr;
}

bool IniFile::valueExists(const QString& section, const QString& key) const {
    return findEntry(section, key) != nullptr;
}

QStringList IniFile::sections() const {
    QStringList out;
    for (const Section& s : sections_)
        if (!s.headerless)
            out << s.name;
    return out;
}

QStringList IniFile::keys(const QString& section) const {
    QStringList out;
    if (const Section* s = findSection(section))
        for (const Entry& e : s->entries)
            if (!e.key.isEmpty())
                out << e.key;
    return out;
}

std::vector<std::pair<QString, QString>> IniFile::entries(const QString& section) const {
    std::vector<std::pair<QString, QString>> out;
    if (const Section* s = findSection(section))
        for (const Entry& e : s->entries)
            if (!e.key.isEmpty())
                out.emplace_back(e.key, e.value);
    return out;
}

void IniFile::eraseSection(const QString& section) {
    const QString k = section.trimmed().toLower();
    bool erased = false;
    for (auto it = sections_.begin(); it != sections_.end();) {
        if (!it->headerless && it->name.toLower() == k) {
            it = sections_.erase(it);
            erased = true;
        } else {
            ++it;
        }
    }
    if (erased)
        rebuildSectionIndex();
}

void IniFile::deleteKey(const QString& section, const QString& key) {
    const Section* found = findSection(section);
    if (!found)
        return;
    Section& s = const_cast<Section&>(*found);
    const QString k = key.trimmed().toLower();
    std::erase_if(s.entries, [&](const Entry& e) { return !e.key.isEmpty() && e.key.toLower() == k; });
    rebuildEntryIndex(s);
}

QByteArray IniFile::toBytes() const {
    QString text;
    bool first = true;
    auto line = [&](const QString& l) {
        if (!first)
            text += newline_;
        text += l;
        first = false;
    };
    for (const Section& s : sections_) {
        if (!s.headerless)
            line(s.rawHeader.isEmpty() ? u'[' + s.name + u']' : s.rawHeader);
        for (const Entry& e : s.entries)
            line(e.raw.isEmpty() && !e.key.isEmpty() ? e.key + u'=' + e.value : e.raw);
    }
    if (!first && trailingNewline_)
        text += newline_;
    return encodeText(text, encoding_);
}

Status IniFile::save(const QString& path) const {
    return writeFileAtomically(path, toBytes());
}

} // namespace kvq
