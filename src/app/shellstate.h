#pragma once

#include <QByteArray>
#include <QString>

// The main window's values that the start-up sets and the other subsystems read.
// The board's size is not here: the display output holds it, as the settings give it and
// DisplayGeometry brings it into range.
struct ShellState {
    bool lowerCaseAllowed = false;
    QString languageCode = QStringLiteral("D");
    bool offlineMode = false;
    int offlineRate = 0;
    // The boards beside the first, as the settings list them.
    QString moreBoards;
    int copyboardLeft = 20;
    int copyboardTop = 20;
    int copyboardHeight = 510;
    int supervisionLeft = 20;
    int supervisionTop = 20;
    QString captionPrefix;
    QString productWords;
    int frameTime = 0;
    QByteArray blankLine;
    QString settingsFilePath;
    QString executableDir;
};
