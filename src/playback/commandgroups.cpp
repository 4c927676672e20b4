#include "commandgroups.h"

CommandGroups CommandGroups::forState(PlaybackMode mode, bool paused) {
    CommandGroups groups;
    const bool playing = mode != PlaybackMode::Stopped;
    groups.navigation = mode == PlaybackMode::Manual;
    groups.editing = !playing;
    groups.pause = playing;
    groups.goOn = playing && paused;
    return groups;
}

const QStringList& CommandGroups::navigationNames() {
    static const QStringList names{QStringLiteral("First"),    QStringLiteral("Last"),
                                   QStringLiteral("Bevore"),   QStringLiteral("Next"),
                                   QStringLiteral("zu"),       QStringLiteral("Erster1"),
                                   QStringLiteral("Letzter1"), QStringLiteral("Zurck1"),
                                   QStringLiteral("Vor1"),     QStringLiteral("gehezu1")};
    return names;
}

const QStringList& CommandGroups::editingNames() {
    static const QStringList names{
        QStringLiteral("Oeffnen1"),       QStringLiteral("Neu1"),    QStringLiteral("Textelschen1"),
        QStringLiteral("Textetauschen1"), QStringLiteral("Button5"), QStringLiteral("Button7"),
        QStringLiteral("Button13"),       QStringLiteral("Button1"), QStringLiteral("Button2"),
        QStringLiteral("Button4"),        QStringLiteral("Button6"), QStringLiteral("TextNr")};
    return names;
}

const QStringList& CommandGroups::pauseNames() {
    static const QStringList names{QStringLiteral("Pause"), QStringLiteral("Pause1")};
    return names;
}

const QStringList& CommandGroups::goOnNames() {
    static const QStringList names{QStringLiteral("Weiter"), QStringLiteral("Weiter1")};
    return names;
}
