#include "separatorstospaces.h"

QByteArray SeparatorsToSpaces(const QByteArray& text) {
    QByteArray out = text;
    for (char& c : out) {
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    }
    return out;
}
