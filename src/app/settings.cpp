#include "app/settings.h"

#include "app/inifile.h"
#include "platform/windows1252.h"
#include "sequence/documentstate.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

const QByteArray DisplaySection = "Anzeige";
const QByteArray OptionsSection = "Einstellungen";
const QByteArray ProgramSection = "Programm";
const QByteArray ImportWindowSection = "Copyboard";
const QByteArray SupervisionSection = "AnzeigeKontrolle";
const QByteArray RemoteSection = "Fernsteuerung";

const QByteArray LeftKey = "FensterPositionX";
const QByteArray TopKey = "FensterPositionY";
const QByteArray HeightKey = "FensterHoehe";

bool flag(const IniFile& ini, const QByteArray& section, const QByteArray& key) {
    return ini.readInteger(section, key, 0) == 1;
}

// A port number outside 0 to 65535 leaves that listener off.
int portNumber(const IniFile& ini, const QByteArray& key) {
    const int port = ini.readInteger(RemoteSection, key, 0);
    return RemoteSettings::isPortNumber(port) ? port : 0;
}

} // namespace

SettingsFile::SettingsFile(QString path)
    : m_path(std::move(path)) {
}

QString SettingsFile::untitledPath(const QString& executableDir, const QString& languageCode) {
    return DocumentState::untitledPath(executableDir, languageCode);
}

Settings SettingsFile::read(const QString& executableDir) const {
    const std::optional<IniFile> loaded = IniFile::tryLoad(m_path);
    const IniFile ini = loaded.value_or(IniFile());
    Settings s;
    s.unreadable = !loaded.has_value();
    s.portNumber = ini.readInteger(DisplaySection, "SeriellerCOM-Port", s.portNumber);
    s.follow = flag(ini, OptionsSection, "Verfolgen");
    const bool hasLastFile = ini.contains(ProgramSection, "LetzteDatei");
    const QByteArray lastFile = ini.readString(ProgramSection, "LetzteDatei", QByteArray());
    s.languageCode = Windows1252::toUnicode(
        ini.readString(ProgramSection, "Sprache", Windows1252::fromUnicode(s.languageCode)));
    s.lastFile = hasLastFile ? Windows1252::toUnicode(lastFile)
                             : untitledPath(executableDir, s.languageCode);
    // Stored as found; DisplayGeometry decides what a board of that size can be driven as.
    s.lines = ini.readInteger(DisplaySection, "Zeilen", s.lines);
    s.columns = ini.readInteger(DisplaySection, "Stellen", s.columns);
    s.lowerCase = flag(ini, DisplaySection, "Kleinschrift");
    s.windowLeft = ini.readInteger(ProgramSection, LeftKey, s.windowLeft);
    s.windowTop = ini.readInteger(ProgramSection, TopKey, s.windowTop);
    s.windowWidth = ini.readInteger(ProgramSection, "FensterBreite", s.windowWidth);
    s.windowHeight = ini.readInteger(ProgramSection, HeightKey, s.windowHeight);
    s.editHeight = ini.readInteger(ProgramSection, "EditHoehe", s.editHeight);
    s.copyboardLeft = ini.readInteger(ImportWindowSection, LeftKey, s.copyboardLeft);
    s.copyboardTop = ini.readInteger(ImportWindowSection, TopKey, s.copyboardTop);
    s.copyboardHeight = ini.readInteger(ImportWindowSection, HeightKey, s.copyboardHeight);
    s.supervisionLeft = ini.readInteger(SupervisionSection, LeftKey, s.supervisionLeft);
    s.supervisionTop = ini.readInteger(SupervisionSection, TopKey, s.supervisionTop);
    s.offline = flag(ini, DisplaySection, "offline");
    s.offlineRate = ini.readInteger(DisplaySection, "offlinerate", s.offlineRate);
    s.trace = flag(ini, DisplaySection, "trace");
    s.moreBoards = Windows1252::toUnicode(ini.readString(DisplaySection, "WeitereAnzeigen", {}));
    s.remote.port = portNumber(ini, "Port");
    s.remote.textPort = portNumber(ini, "Textport");
    s.remote.passcode = Windows1252::toUnicode(ini.readString(RemoteSection, "Passwort", {}));
    s.remote.address =
        Windows1252::toUnicode(ini.readString(RemoteSection, "Adresse", {})).trimmed();
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
        ini.writeInteger(OptionsSection, "Verfolgen", s.follow ? 1 : 0);
        ini.writeString(ProgramSection, "LetzteDatei", Windows1252::fromUnicode(s.lastFile));
        ini.writeString(ProgramSection, "Sprache", Windows1252::fromUnicode(s.languageCode));
        ini.writeInteger(ProgramSection, LeftKey, s.windowLeft);
        ini.writeInteger(ProgramSection, TopKey, s.windowTop);
        ini.writeInteger(ProgramSection, "FensterBreite", s.windowWidth);
        ini.writeInteger(ProgramSection, HeightKey, s.windowHeight);
        ini.writeInteger(ProgramSection, "EditHoehe", s.editHeight);
        ini.writeInteger(ImportWindowSection, LeftKey, s.copyboardLeft);
        ini.writeInteger(ImportWindowSection, TopKey, s.copyboardTop);
        ini.writeInteger(ImportWindowSection, HeightKey, s.copyboardHeight);
        ini.writeInteger(SupervisionSection, LeftKey, s.supervisionLeft);
        ini.writeInteger(SupervisionSection, TopKey, s.supervisionTop);
    });
}

bool SettingsFile::writePortNumber(int portNumber) const {
    return update([portNumber](IniFile& ini) {
        ini.writeInteger(DisplaySection, "SeriellerCOM-Port", portNumber);
    });
}

bool SettingsFile::writeMoreBoards(const QString& boards) const {
    return update([&boards](IniFile& ini) {
        ini.writeString(DisplaySection, "WeitereAnzeigen", Windows1252::fromUnicode(boards));
    });
}

bool SettingsFile::writeRemote(const RemoteSettings& remote) const {
    return update([&remote](IniFile& ini) {
        ini.writeInteger(RemoteSection, "Port", remote.port);
        ini.writeInteger(RemoteSection, "Textport", remote.textPort);
        ini.writeString(RemoteSection, "Passwort", Windows1252::fromUnicode(remote.passcode));
        ini.writeString(RemoteSection, "Adresse", Windows1252::fromUnicode(remote.address));
    });
}
