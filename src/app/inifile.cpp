#include "app/inifile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <limits>

namespace {

enum class LineKind { Blank, Comment, Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    QByteArray name;  // section name or key
    QByteArray value; // key lines only, quotes removed
};

bool isQuote(char c) {
    return c == '"' || c == '\'';
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

QByteArray unquoted(const QByteArray& value) {
    if (value.size() >= 2 && isQuote(value.front()) && value.back() == value.front()) {
        return value.mid(1, value.size() - 2);
    }
    return value;
}

ParsedLine parse(const QByteArray& text) {
    ParsedLine line;
    const QByteArray trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        line.kind = LineKind::Blank;
    } else if (trimmed.startsWith(';')) {
        line.kind = LineKind::Comment;
    } else if (trimmed.startsWith('[')) {
        line.kind = LineKind::Section;
        const qsizetype close = trimmed.lastIndexOf(']');
        const qsizetype length = close > 0 ? close - 1 : trimmed.size() - 1;
        line.name = trimmed.mid(1, length).trimmed();
    } else if (const qsizetype equals = trimmed.indexOf('='); equals >= 0) {
        line.kind = LineKind::Key;
        line.name = trimmed.left(equals).trimmed();
        line.value = unquoted(trimmed.mid(equals + 1).trimmed());
    }
    return line;
}

bool sameName(const QByteArray& a, const QByteArray& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// A value that reading would change (surrounding whitespace, or matching quotes at both
// ends) is written in double quotes so that it reads back as written. Line breaks would
// split the line and could smuggle in keys and sections of their own: they are dropped.
QByteArray storedValue(QByteArray value) {
    value.replace('\r', QByteArray()).replace('\n', QByteArray());
    if (value.isEmpty()) {
        return value;
    }
    const bool loosesSpace = isSpace(value.front()) || isSpace(value.back());
    const bool loosesQuotes = unquoted(value).size() != value.size();
    if (loosesSpace || loosesQuotes) {
        return '"' + value + '"';
    }
    return value;
}

// The file a write lands in: a symlink is followed to its target, so the link stays.
QString writeTarget(const QString& path) {
    QString target = path;
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(target);
        if (!info.isSymLink()) {
            break;
        }
        target = info.symLinkTarget();
    }
    return target;
}

} // namespace

IniFile IniFile::load(const QString& path) {
    return tryLoad(path).value_or(IniFile());
}

std::optional<IniFile> IniFile::tryLoad(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return IniFile();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return fromBytes(file.readAll());
}

bool IniFile::save(const QString& path) const {
    QSaveFile file(writeTarget(path));
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QByteArray bytes = toBytes();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

IniFile::Range IniFile::findSection(const QByteArray& section) const {
    Range range;
    const int count = static_cast<int>(m_lines.size());
    for (int i = 0; i < count; ++i) {
        const ParsedLine line = parse(m_lines[i].text);
        if (line.kind != LineKind::Section) {
            continue;
        }
        if (range.header >= 0) {
            range.end = i;
            return range;
        }
        if (sameName(line.name, section)) {
            range.header = i;
        }
    }
    range.end = count;
    return range;
}

int IniFile::findKey(const Range& range, const QByteArray& key) const {
    if (range.header < 0) {
        return -1;
    }
    for (int i = range.header + 1; i < range.end; ++i) {
        const ParsedLine line = parse(m_lines[i].text);
        if (line.kind == LineKind::Key && sameName(line.name, key)) {
            return i;
        }
    }
    return -1;
}

bool IniFile::contains(const QByteArray& section, const QByteArray& key) const {
    return findKey(findSection(section), key) >= 0;
}

QByteArray IniFile::readString(const QByteArray& section, const QByteArray& key,
                               const QByteArray& defaultValue) const {
    const int index = findKey(findSection(section), key);
    if (index < 0) {
        return defaultValue;
    }
    return parse(m_lines[index].text).value;
}

std::optional<int> IniFile::parseInteger(const QByteArray& text) {
    constexpr qint64 largest = std::numeric_limits<int>::max();
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        qint64 value = 0;
        for (qsizetype i = 2; i < text.size(); ++i) {
            const int digit = hexDigit(text[i]);
            if (digit < 0) {
                return std::nullopt;
            }
            value = value * 16 + digit;
            if (value > largest) {
                return std::nullopt;
            }
        }
        return static_cast<int>(value);
    }
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text[0] == '-';
    if (!text.isEmpty() && (text[0] == '-' || text[0] == '+')) {
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    const qint64 limit = negative ? largest + 1 : largest;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

int IniFile::readInteger(const QByteArray& section, const QByteArray& key, int defaultValue) const {
    const int index = findKey(findSection(section), key);
    if (index < 0) {
        return defaultValue;
    }
    return parseInteger(parse(m_lines[index].text).value).value_or(defaultValue);
}

void IniFile::writeString(const QByteArray& section, const QByteArray& key,
                          const QByteArray& value) {
    const QByteArray keyLine = key + '=' + storedValue(value);
    const Range range = findSection(section);
    if (const int index = findKey(range, key); index >= 0) {
        m_lines[index].text = keyLine;
        return;
    }
    if (range.header >= 0) {
        int last = range.end - 1;
        while (last > range.header && parse(m_lines[last].text).kind == LineKind::Blank) {
            --last;
        }
        if (m_lines[last].end.isEmpty()) {
            m_lines[last].end = m_lineEnd;
        }
        m_lines.insert(m_lines.begin() + last + 1, Line{keyLine, m_lineEnd});
        return;
    }
    if (!m_lines.empty()) {
        Line& last = m_lines.back();
        if (last.end.isEmpty()) {
            last.end = m_lineEnd;
        }
        if (parse(last.text).kind != LineKind::Blank) {
            m_lines.push_back(Line{QByteArray(), m_lineEnd});
        }
    }
    m_lines.push_back(Line{'[' + section + ']', m_lineEnd});
    m_lines.push_back(Line{keyLine, m_lineEnd});
}

void IniFile::writeInteger(const QByteArray& section, const QByteArray& key, int value) {
    writeString(section, key, QByteArray::number(value));
}

QByteArray IniFile::toBytes() const {
    QByteArray bytes;
    for (const Line& line : m_lines) {
        bytes += line.text;
        bytes += line.end;
    }
    return bytes;
}

IniFile IniFile::fromBytes(const QByteArray& bytes) {
    IniFile ini;
    const qsizetype firstEnd = bytes.indexOf('\n');
    if (firstEnd >= 0) {
        ini.m_lineEnd = firstEnd > 0 && bytes[firstEnd - 1] == '\r' ? "\r\n" : "\n";
    }
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) {
            ini.m_lines.push_back(Line{bytes.mid(start), QByteArray()});
            break;
        }
        const bool crlf = end > start && bytes[end - 1] == '\r';
        const qsizetype length = end - start - (crlf ? 1 : 0);
        ini.m_lines.push_back(Line{bytes.mid(start, length), crlf ? "\r\n" : "\n"});
        start = end + 1;
    }
    return ini;
}
