#include "minimumduration.h"

qint64 minimumDuration(const MinimumDurationInput& input) {
    const qint64 amount = qMax(0, input.amount);
    const qint64 parameter = input.parameter;
    const qint64 lines = qMax(1, input.lineCount);
    switch (input.kind) {
    case TextKind::Block:
        return (amount / lines + (amount % lines != 0 ? 1 : 0)) * parameter;
    case TextKind::Scroll:
        return (amount + lines) * parameter;
    case TextKind::Flow:
        return parameter * (amount + input.columnCount) / 10;
    case TextKind::None:
        break;
    }
    return 0;
}
