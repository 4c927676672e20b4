#include "app/settings.h"

#include "app/inifile.h"
#include "platform/windows1252.h"
#include "sequence/documentstate.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

const QByteArray Anzeige = "Anzeige";
const QByteArray Einstellungen = "Einstellungen";
const QByteArray Programm = "Programm";
const QByteArray Copyboard = "Copyboard";
const QByteArray AnzeigeKontrolle = "AnzeigeKontrolle";

const QByteArray LeftKey = "FensterPositionX";
const QByteArray TopKey = "FensterPositionY";
const QByteArray HeightKey = "FensterHoehe";

bool flag(const IniFile& ini, const QByteArray& section, const QByteArray& key) {
    return ini.readInteger(section, key, 0) == 1;
}

} // namespace

SettingsFile::SettingsFile(QString path)
    : m_path(std::move(path)) {
}

QString SettingsFile::untitledPath(const QString& executableDir, const QString& languageCode) {
    return DocumentState::untitledPath(executableDir, languageCode);
}

Settings SettingsFile::read(const QString& executableDir) const {
    const IniFile ini = IniFile::load(m_path);
    Settings s;
    s.portNumber = ini.readInteger(Anzeige, "SeriellerCOM-Port", s.portNumber);
    s.follow = flag(ini, Einstellungen, "Verfolgen");
    const bool hasLastFile = ini.contains(Programm, "LetzteDatei");
    const QByteArray lastFile = ini.readString(Programm, "LetzteDatei", QByteArray());
    s.languageCode = Windows1252::toUnicode(
        ini.readString(Programm, "Sprache", Windows1252::fromUnicode(s.languageCode)));
    s.lastFile = hasLastFile ? Windows1252::toUnicode(lastFile)
                             : untitledPath(executableDir, s.languageCode);
    // Stored as found; DisplayGeometry decides what a board of that size can be driven as.
    s.lines = ini.readInteger(Anzeige, "Zeilen", s.lines);
    s.columns = ini.readInteger(Anzeige, "Stellen", s.columns);
    s.lowerCase = flag(ini, Anzeige, "Kleinschrift");
    s.windowLeft = ini.readInteger(Programm, LeftKey, s.windowLeft);
    s.windowTop = ini.readInteger(Programm, TopKey, s.windowTop);
    s.windowWidth = ini.readInteger(Programm, "FensterBreite", s.windowWidth);
    s.windowHeight = ini.readInteger(Programm, HeightKey, s.windowHeight);
    s.editHeight = ini.readInteger(Programm, "EditHoehe", s.editHeight);
    s.copyboardLeft = ini.readInteger(Copyboard, LeftKey, s.copyboardLeft);
    s.copyboardTop = ini.readInteger(Copyboard, TopKey, s.copyboardTop);
    s.copyboardHeight = ini.readInteger(Copyboard, HeightKey, s.copyboardHeight);
    s.supervisionLeft = ini.readInteger(AnzeigeKontrolle, LeftKey, s.supervisionLeft);
    s.supervisionTop = ini.readInteger(AnzeigeKontrolle, TopKey, s.supervisionTop);
    s.offline = flag(ini, Anzeige, "offline");
    s.offlineRate = ini.readInteger(Anzeige, "offlinerate", s.offlineRate);
    s.trace = flag(ini, Anzeige, "trace");
    return s;
}

// Loads the file, applies the change and writes it back. A file that exists but cannot be
// read is left alone: writing would replace the keys set up by hand with the few written here.
template <typename Change> bool SettingsFile::update(Change change) const {
    std::optional<IniFile> ini = IniFile::tryLoad(m_path);
    if (!ini) {
        return false;
    }
    change(*ini);
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    return ini->save(m_path);
}

bool SettingsFile::writeShutdownKeys(const Settings& s) const {
    return update([&s](IniFile& ini) {
        ini.writeInteger(Einstellungen, "Verfolgen", s.follow ? 1 : 0);
        ini.writeString(Programm, "LetzteDatei", Windows1252::fromUnicode(s.lastFile));
        ini.writeString(Programm, "Sprache", Windows1252::fromUnicode(s.languageCode));
        ini.writeInteger(Programm, LeftKey, s.windowLeft);
        ini.writeInteger(Programm, TopKey, s.windowTop);
        ini.writeInteger(Programm, "FensterBreite", s.windowWidth);
        ini.writeInteger(Programm, HeightKey, s.windowHeight);
        ini.writeInteger(Programm, "EditHoehe", s.editHeight);
        ini.writeInteger(Copyboard, LeftKey, s.copyboardLeft);
        ini.writeInteger(Copyboard, TopKey, s.copyboardTop);
        ini.writeInteger(Copyboard, HeightKey, s.copyboardHeight);
        ini.writeInteger(AnzeigeKontrolle, LeftKey, s.supervisionLeft);
        ini.writeInteger(AnzeigeKontrolle, TopKey, s.supervisionTop);
    });
}

bool SettingsFile::writePortNumber(int portNumber) const {
    return update(
        [portNumber](IniFile& ini) { ini.writeInteger(Anzeige, "SeriellerCOM-Port", portNumber); });
}
