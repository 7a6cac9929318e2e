#include "CommandRules.h"

QString Command::fault(Rules r) {
    if ((r & (AsksFirst | Changes)) && !(r & Step)) return QStringLiteral("asks or counts a change outside a step");
    if ((r & Changes) && !(r & AsksFirst)) return QStringLiteral("changes pixels without asking first");
    if ((r & Changes) && !(r & Busy)) return QStringLiteral("changes pixels with no busy cursor");
    if ((r & EndsDragOnly) && (r & Step)) return QStringLiteral("ends a drag only, yet is a step");
    if ((r & DropsFloating) && (r & LeavesSelect)) return QStringLiteral("drops what floats twice");
    return {};
}
