#include "recordingboardoutput.h"

RecordingBoardOutput::RecordingBoardOutput(const QString& name, Clock& clock)
    : BoardOutput(name, clock) {
}

void RecordingBoardOutput::connectLink() {
    ++attempts;
    if (reachable)
        linkUp();
}

bool RecordingBoardOutput::writeToLink(const QByteArray& bytes) {
    written.append(bytes);
    if (queueWrites)
        queued += bytes.size();
    return true;
}
