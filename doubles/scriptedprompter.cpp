#include "scriptedprompter.h"

namespace {
const char* kindName(ScriptedPrompter::Kind kind) {
    switch (kind) {
    case ScriptedPrompter::Kind::Error:
        return "error";
    case ScriptedPrompter::Kind::Warning:
        return "warning";
    case ScriptedPrompter::Kind::Information:
        return "information";
    case ScriptedPrompter::Kind::YesNo:
        return "yes/no question";
    case ScriptedPrompter::Kind::WarningYesNo:
        return "yes/no warning";
    case ScriptedPrompter::Kind::YesNoCancel:
        return "yes/no/cancel question";
    case ScriptedPrompter::Kind::OpenFile:
        return "open dialog";
    case ScriptedPrompter::Kind::SaveFile:
        return "save dialog";
    case ScriptedPrompter::Kind::Port:
        return "port dialog";
    }
    return "?";
}
} // namespace

ScriptedPrompter& ScriptedPrompter::expect(Kind kind, const QString& text, Answer answer) {
    m_script.push_back({kind, text, answer, {}, {}, 0});
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectFile(Kind kind, const QString& path) {
    m_script.push_back({kind, {}, Answer::Ok, path, {}, 0});
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectPort(const QStringList& items, int answer) {
    m_script.push_back({Kind::Port, {}, Answer::Ok, {}, items, answer});
    return *this;
}

const ScriptedPrompter::Step* ScriptedPrompter::take(Kind kind, const QString& text) {
    m_shown << text;
    if (m_script.empty()) {
        m_failures << QStringLiteral("unexpected %1: %2").arg(kindName(kind), text);
        return nullptr;
    }
    m_current = m_script.front();
    m_script.pop_front();
    if (m_current.kind != kind || !text.contains(m_current.text)) {
        m_failures << QStringLiteral("expected %1 \"%2\", got %3 \"%4\"")
                          .arg(kindName(m_current.kind), m_current.text, kindName(kind), text);
        return nullptr;
    }
    return &m_current;
}

void ScriptedPrompter::showError(const QString& text) {
    take(Kind::Error, text);
}

void ScriptedPrompter::showWarning(const QString& text) {
    take(Kind::Warning, text);
}

void ScriptedPrompter::showInformation(const QString& text) {
    take(Kind::Information, text);
}

Prompter::Answer ScriptedPrompter::askYesNo(const QString& text) {
    const Step* step = take(Kind::YesNo, text);
    return step ? step->answer : Answer::No;
}

Prompter::Answer ScriptedPrompter::askWarningYesNo(const QString& text) {
    const Step* step = take(Kind::WarningYesNo, text);
    return step ? step->answer : Answer::No;
}

Prompter::Answer ScriptedPrompter::askYesNoCancel(const QString& text) {
    const Step* step = take(Kind::YesNoCancel, text);
    return step ? step->answer : Answer::Cancel;
}

QString ScriptedPrompter::chooseOpenFile(const QString& folder, const QString&) {
    const Step* step = take(Kind::OpenFile, folder);
    return step ? step->path : QString();
}

QString ScriptedPrompter::chooseSaveFile(const QString& suggestion, const QString&) {
    const Step* step = take(Kind::SaveFile, suggestion);
    return step ? step->path : QString();
}

int ScriptedPrompter::choosePort(const QStringList& items) {
    const Step* step = take(Kind::Port, items.join(QLatin1Char(',')));
    if (!step)
        return 0;
    if (step->items != items) {
        m_failures << QStringLiteral("port dialog offered [%1], expected [%2]")
                          .arg(items.join(QLatin1Char(',')), step->items.join(QLatin1Char(',')));
    }
    return step->port;
}

QByteArray ScriptedPrompter::report() const {
    QStringList lines = m_failures;
    for (const Step& s : m_script)
        lines << QStringLiteral("never shown: %1 \"%2\"").arg(kindName(s.kind), s.text);
    lines << QStringLiteral("shown: ") + m_shown.join(QStringLiteral(" | "));
    return lines.join(QLatin1Char('\n')).toUtf8();
}
