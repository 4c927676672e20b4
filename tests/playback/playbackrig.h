#pragma once

#include "sequencerows.h"

#include "recordingserialport.h"
#include "virtualclock.h"
#include "virtualeventpump.h"

#include "display/displayoutput.h"
#include "sequence/sequencetable.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// What the playback tests share: a table, a display output on the recording port and the
// virtual clock, with every frame recorded at the time it was sent.
struct DisplayRig {
    VirtualClock clock;
    VirtualEventPump pump{clock};
    RecordingSerialPort port;
    DisplayOutput output{port, pump, clock};
    SequenceTable table;
    QList<qint64> frameTimes;

    DisplayRig(int lines, int columns) {
        output.setGeometry(lines, columns);
        output.setOutputEnabled(true);
        output.setMirror([this](int index, const QByteArray&) {
            if (index == 0)
                frameTimes << clock.nowMs();
        });
        port.setAvailablePorts({1});
        port.setPortNumber(1);
    }

    // Rows of number, active word, kind, text, parameter, duration.
    void setRows(const QList<QStringList>& rows) {
        std::vector<SequenceTable::Cells> cells;
        for (const QStringList& r : rows)
            cells.push_back(SequenceRows::cells(r));
        table.setRows(cells);
    }

    QList<QByteArray> frames() const { return port.writes(); }

    // The frame that shows these lines, each padded to the width; bytes below the blank
    // show as blanks.
    QByteArray screen(const QStringList& lines) const {
        QByteArray body;
        for (int i = 0; i < output.lineCount(); ++i) {
            QByteArray line = lines.value(i).toLatin1().left(output.columnCount());
            line = line.leftJustified(output.columnCount(), ' ');
            body += line;
        }
        return '\x02' + body + '\x03';
    }
};
