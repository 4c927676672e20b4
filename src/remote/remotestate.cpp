#include "remotestate.h"

#include "platform/windows1252.h"

namespace {

QByteArray quoted(const QByteArray& windows1252) {
    const QString text = Windows1252::toUnicode(windows1252);
    QByteArray json = "\"";
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\r':
            json += "\\r";
            break;
        case '\t':
            json += "\\t";
            break;
        default:
            if (c.unicode() < 0x20)
                json += "\\u" + QByteArray::number(c.unicode(), 16).rightJustified(4, '0');
            else
                json += QString(c).toUtf8();
        }
    }
    return json + '"';
}

const char* stateName(RemoteState::State state) {
    switch (state) {
    case RemoteState::State::Playing:
        return "playing";
    case RemoteState::State::Manual:
        return "manual";
    case RemoteState::State::Paused:
        return "paused";
    case RemoteState::State::Stopped:
        break;
    }
    return "stopped";
}

const char* kindName(RemoteState::Kind kind) {
    switch (kind) {
    case RemoteState::Kind::Block:
        return "block";
    case RemoteState::Kind::Scroll:
        return "scroll";
    case RemoteState::Kind::Flow:
        return "flow";
    case RemoteState::Kind::None:
        break;
    }
    return "";
}

} // namespace

QByteArray RemoteState::toJson() const {
    QByteArray json = "{\"state\": \"";
    json += stateName(state);
    json += "\", \"number\": " + quoted(number);
    json += ", \"kind\": \"";
    json += kindName(kind);
    json += "\", \"lines\": [";
    for (int i = 0; i < lines.size(); ++i)
        json += (i ? ", " : "") + quoted(lines.at(i));
    json += "], \"next\": " + quoted(next);
    json += ", \"speed\": " + QByteArray::number(speed) + '}';
    return json;
}
