#pragma once

#include "sequence/textkind.h"

#include <QByteArray>

// What the operator's change of the kind tab does to the texts. The whole text of the
// previous kind goes over with its hard line breaks, and the editor of the new kind wraps it
// anew; the source keeps its text. Into the flowing text it goes joined into one line, which
// loses the layout, so that is asked first; an empty source changes nothing there.
struct KindConversion {
    enum class Step { Nothing, Copy, AskThenJoin };
    Step step = Step::Nothing;
    // AskThenJoin: the flowing text on Yes.
    QByteArray joined;
};

// `sourceText` is the previous kind's text with its line breaks as carriage return and line
// feed, the separator the join turns into a space.
KindConversion convertKind(TextKind from, TextKind to, const QByteArray& sourceText);
