#include "commalist.h"

namespace {

bool isBlank(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

// A byte that can stand in an unquoted item: above the blank and control codes.
bool isPrintable(char c) {
    return static_cast<unsigned char>(c) > 32;
}

bool needsQuotes(const QByteArray& line) {
    for (char c : line) {
        if (!isPrintable(c) || c == '"' || c == ',')
            return true;
    }
    return false;
}

} // namespace

namespace CommaList {

QByteArray write(const QList<QByteArray>& lines) {
    QByteArray cell;
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cell += ',';
        const QByteArray& line = lines[i];
        // An empty last line is quoted: unquoted, a trailing comma reads as nothing and the
        // line would be lost. This also covers a list of one empty line.
        const bool emptyLast = line.isEmpty() && i == lines.size() - 1;
        if (!emptyLast && !needsQuotes(line)) {
            cell += line;
            continue;
        }
        cell += '"';
        for (char c : line) {
            if (c == '"')
                cell += '"';
            cell += c;
        }
        cell += '"';
    }
    return cell;
}

QList<QByteArray> read(const QByteArray& cell) {
    QList<QByteArray> items;
    const int n = cell.size();
    int i = 0;
    auto skipBlanks = [&] {
        while (i < n && isBlank(cell[i]))
            ++i;
    };
    skipBlanks();
    while (i < n && cell[i] != '\0') {
        QByteArray item;
        if (cell[i] == '"') {
            ++i;
            while (i < n && cell[i] != '\0') {
                if (cell[i] == '"') {
                    if (i + 1 < n && cell[i + 1] == '"') {
                        item += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += cell[i++];
            }
        } else {
            const int start = i;
            while (i < n && isPrintable(cell[i]) && cell[i] != ',')
                ++i;
            item = cell.mid(start, i - start);
        }
        items.append(item);
        skipBlanks();
        if (i < n && cell[i] == ',') {
            ++i;
            skipBlanks();
        }
    }
    return items;
}

} // namespace CommaList
