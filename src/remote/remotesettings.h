#pragma once

#include <QString>

// The remote control's settings, section [Fernsteuerung] of the settings file.
struct RemoteSettings {
    int port = 0;     // Port: OSC over UDP and TCP; 0 = off
    int textPort = 0; // Textport: plain text over UDP; 0 = off
    QString passcode; // Passwort: empty = none
    QString address;  // Adresse: the address to listen on; empty = all

    static bool isPortNumber(int port) { return port >= 0 && port <= 65535; }
    bool isOn() const { return port != 0 || textPort != 0; }

    bool operator==(const RemoteSettings& other) const {
        return port == other.port && textPort == other.textPort && passcode == other.passcode &&
               address == other.address;
    }
    bool operator!=(const RemoteSettings& other) const { return !(*this == other); }
};
