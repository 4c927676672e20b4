#pragma once

#include <QByteArray>
#include <QString>

// The main window's values that the start-up sets and the other subsystems read.
struct ShellState {
    int lineCount = 3;
    int columnCount = 24;
    bool lowerCaseAllowed = false;
    QString languageCode = QStringLiteral("D");
    bool offlineMode = false;
    int offlineRate = 0;
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
