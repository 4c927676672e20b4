#include "remoterequest.h"

#include "osccodec.h"

#include <array>
#include <cmath>

namespace {

enum class Argument { None, OptionalNumber, Number, OptionalFlag, Flag, Percent, Passcode };

struct Address {
    const char* name;
    RemoteCommand command;
    Argument argument;
};

constexpr std::array<Address, 15> Table{{
    {"play", RemoteCommand::Play, Argument::OptionalNumber},
    {"manual", RemoteCommand::Manual, Argument::OptionalNumber},
    {"stop", RemoteCommand::Stop, Argument::None},
    {"pause", RemoteCommand::Pause, Argument::OptionalFlag},
    {"startpause", RemoteCommand::StartPause, Argument::None},
    {"first", RemoteCommand::First, Argument::None},
    {"last", RemoteCommand::Last, Argument::None},
    {"previous", RemoteCommand::Previous, Argument::None},
    {"next", RemoteCommand::Next, Argument::None},
    {"goto", RemoteCommand::GoTo, Argument::Number},
    {"goon", RemoteCommand::GoOn, Argument::None},
    {"speed", RemoteCommand::Speed, Argument::Percent},
    {"state", RemoteCommand::State, Argument::None},
    {"updates", RemoteCommand::Updates, Argument::Flag},
    {"connect", RemoteCommand::Connect, Argument::Passcode},
}};

// An integer argument given as an OSC int, a whole float or a string of digits.
bool integerOf(const OscArgument& argument, qint64& value) {
    switch (argument.type) {
    case OscArgument::Type::Int:
        value = argument.integer;
        return true;
    case OscArgument::Type::Float:
        if (!std::isfinite(argument.real) || std::fabs(argument.real) > 1e9)
            return false;
        value = std::llround(argument.real);
        return true;
    case OscArgument::Type::String: {
        const QByteArray digits = argument.text.trimmed();
        if (digits.isEmpty() || digits.size() > 9)
            return false;
        for (const char c : digits)
            if (c < '0' || c > '9')
                return false;
        value = digits.toLongLong();
        return true;
    }
    case OscArgument::Type::Other:
        break;
    }
    return false;
}

QString readArgument(Argument kind, const QList<OscArgument>& arguments, RemoteRequest& request) {
    const bool optional = kind == Argument::OptionalNumber || kind == Argument::OptionalFlag;
    if (kind == Argument::None || (optional && arguments.isEmpty()))
        return arguments.isEmpty() ? QString() : QStringLiteral("this address takes no argument");
    if (arguments.size() != 1)
        return arguments.isEmpty() ? QStringLiteral("an argument is missing")
                                   : QStringLiteral("too many arguments");
    const OscArgument& argument = arguments.front();
    qint64 value = 0;
    switch (kind) {
    case Argument::OptionalNumber:
    case Argument::Number:
        request.number = argument.type == OscArgument::Type::String
                             ? RemoteAddresses::textNumber(argument.text.trimmed())
                             : (argument.type == OscArgument::Type::Int
                                    ? RemoteAddresses::textNumber(argument.integer)
                                    : QByteArray());
        return request.number.isEmpty() ? QStringLiteral("the text number must be 1 to 99999")
                                        : QString();
    case Argument::OptionalFlag:
    case Argument::Flag:
        if (!integerOf(argument, value) || (value != 0 && value != 1))
            return QStringLiteral("the argument must be 0 or 1");
        request.value = int(value);
        return {};
    case Argument::Percent:
        if (!integerOf(argument, value) || value < RemoteAddresses::LowestSpeed ||
            value > RemoteAddresses::HighestSpeed)
            return QStringLiteral("the speed must be 50 to 150 percent");
        request.value = int(value);
        return {};
    case Argument::Passcode:
        if (argument.type != OscArgument::Type::String && argument.type != OscArgument::Type::Int)
            return QStringLiteral("the passcode must be a string");
        request.passcode = argument.type == OscArgument::Type::String
                               ? argument.text
                               : QByteArray::number(argument.integer);
        return {};
    case Argument::None:
        break;
    }
    return {};
}

// A name fit for a reply address: letters, digits and a few signs, not too long.
QByteArray replyName(const QByteArray& name) {
    if (name.isEmpty() || name.size() > 32)
        return "unknown";
    for (const char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
              c == '_' || c == '-' || c == '.'))
            return "unknown";
    return name;
}

} // namespace

bool RemoteRequest::controlsPlayback() const {
    return command != RemoteCommand::State && command != RemoteCommand::Updates &&
           command != RemoteCommand::Connect;
}

namespace RemoteAddresses {

Parsed parse(const OscMessage& message) {
    Parsed parsed;
    if (!message.address.startsWith(Prefix))
        return parsed;
    parsed.ours = true;
    const QByteArray name = message.address.mid(int(sizeof Prefix) - 1);
    for (const Address& address : Table) {
        if (name != address.name)
            continue;
        parsed.name = address.name;
        parsed.request.command = address.command;
        parsed.error = readArgument(address.argument, message.arguments, parsed.request);
        return parsed;
    }
    parsed.name = replyName(name);
    parsed.error =
        QStringLiteral("unknown address /lumentafel/%1").arg(QString::fromLatin1(replyName(name)));
    return parsed;
}

QByteArray nameOf(RemoteCommand command) {
    for (const Address& address : Table)
        if (address.command == command)
            return address.name;
    return {};
}

QByteArray textNumber(qint64 value) {
    if (value < 1 || value > 99999)
        return {};
    return QByteArray::number(value).rightJustified(5, '0');
}

QByteArray textNumber(const QByteArray& digits) {
    if (digits.isEmpty() || digits.size() > 9)
        return {};
    for (const char c : digits)
        if (c < '0' || c > '9')
            return {};
    return textNumber(digits.toLongLong());
}

} // namespace RemoteAddresses
