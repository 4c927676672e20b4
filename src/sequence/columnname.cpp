#include "columnname.h"

#include "sequencetable.h"

#include <QCoreApplication>

QString columnName(int column) {
    const char* name = nullptr;
    switch (column) {
    case SequenceTable::MarkerColumn:
        name = QT_TRANSLATE_NOOP("ColumnName", "Markierung");
        break;
    case SequenceTable::NumberColumn:
        name = QT_TRANSLATE_NOOP("ColumnName", "Text Nr.");
        break;
    case SequenceTable::ActiveColumn:
        name = QT_TRANSLATE_NOOP("ColumnName", "Aktiv");
        break;
    case SequenceTable::KindColumn:
        name = QT_TRANSLATE_NOOP("ColumnName", "B/S/F");
        break;
    case SequenceTable::TextColumn:
        name = QT_TRANSLATE_NOOP("ColumnName", "Text");
        break;
    case SequenceTable::ParameterColumn:
        name = QT_TRANSLATE_NOOP("ColumnName", "Parameter");
        break;
    case SequenceTable::DurationColumn:
        name = QT_TRANSLATE_NOOP("ColumnName", "Dauer");
        break;
    case SequenceTable::NoteColumn:
        name = QT_TRANSLATE_NOOP("ColumnName", "Hinweis");
        break;
    default:
        return QString::number(column + 1);
    }
    return QCoreApplication::translate("ColumnName", name);
}
