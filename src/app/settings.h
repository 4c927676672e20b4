#pragma once

#include "remote/remotesettings.h"

#include <QString>

// The values the program keeps in its settings file, with the defaults a first start uses.
struct Settings {
    int portNumber = 0;         // [Anzeige] SeriellerCOM-Port; 0 = none chosen
    bool follow = false;        // [Einstellungen] Verfolgen
    QString lastFile;           // [Programm] LetzteDatei
    QString languageCode = "D"; // [Programm] Sprache; "GB" is English, anything else German
    int lines = 3;              // [Anzeige] Zeilen
    int columns = 24;           // [Anzeige] Stellen
    bool lowerCase = false;     // [Anzeige] Kleinschrift
    int windowLeft = 20, windowTop = 20, windowWidth = 775, windowHeight = 510; // [Programm]
    int editHeight = 232;                                                       // [Programm]
    int copyboardLeft = 20, copyboardTop = 20, copyboardHeight = 510;           // [Copyboard]
    int supervisionLeft = 20, supervisionTop = 20; // [AnzeigeKontrolle]
    bool offline = false;                          // [Anzeige] offline
    int offlineRate = 0;                           // [Anzeige] offlinerate
    bool trace = false;                            // [Anzeige] trace
    // [Anzeige] WeitereAnzeigen: the boards beside the first, a comma list of "COMn" and
    // "tcp://HOST:PORT", as found.
    QString moreBoards;
    RemoteSettings remote; // [Fernsteuerung]
    // The file exists but cannot be read (a folder of that name, no permission): every value
    // is its default.
    bool unreadable = false;
};

// The settings file: opened for each read or write pass and released at its end. Every pass
// keeps the lines it does not write, so keys set up by hand and comments survive.
class SettingsFile {
public:
    explicit SettingsFile(QString path);

    const QString& path() const { return m_path; }

    // Reads every key; a missing key or an unreadable integer gives the key's default, and so
    // does a file that cannot be read (marked in the result). The
    // default of LetzteDatei is the untitled document in executableDir, named in the language
    // of Sprache.
    Settings read(const QString& executableDir) const;
    // The keys the program stores when it shuts down; every other line stays as it was.
    // False when the file cannot be written (or exists and cannot be read).
    bool writeShutdownKeys(const Settings& settings) const;
    // Stores the port the operator chose; nothing else changes.
    bool writePortNumber(int portNumber) const;
    // Stores the boards beside the first (WeitereAnzeigen); nothing else changes.
    bool writeMoreBoards(const QString& boards) const;
    // Stores the remote control's settings the operator chose; nothing else changes.
    bool writeRemote(const RemoteSettings& remote) const;

    static QString untitledPath(const QString& executableDir, const QString& languageCode);

private:
    template <typename Change> bool update(Change change) const;

    QString m_path;
};
