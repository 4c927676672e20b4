#pragma once

#include <QByteArray>
#include <QString>

// The main window's values that the start-up sets and the other subsystems read.
struct ShellState {
    int LineCount = 3;
    int ColumnCount = 24;
    bool LowerCaseAllowed = false;
    QString LanguageCode = QStringLiteral("D");
    bool OfflineMode = false;
    int OfflineRate = 0;
    int CopyboardLeft = 20;
    int CopyboardTop = 20;
    int CopyboardHeight = 510;
    int SupervisionLeft = 20;
    int SupervisionTop = 20;
    QString CaptionPrefix;
    QString ProductWords;
    int FrameTime = 0;
    QByteArray BlankLine;
    QString SettingsFilePath;
    QString ExecutableDir;
};
