#include "kindconversion.h"

#include "jointosingleline.h"

KindConversion convertKind(TextKind from, TextKind to, const QByteArray& sourceText) {
    KindConversion conversion;
    if (from == to || from == TextKind::None || to == TextKind::None)
        return conversion;
    if (to != TextKind::Flow) {
        conversion.step = KindConversion::Step::Copy;
        return conversion;
    }
    if (sourceText.isEmpty())
        return conversion;
    conversion.step = KindConversion::Step::AskThenJoin;
    conversion.joined = joinToSingleLine(sourceText);
    return conversion;
}
