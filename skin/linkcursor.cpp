#include "skin/linkcursor.h"

#include "controls/cursorfile.h"

QCursor LinkCursor()
{
    return LoadCursorFile(QStringLiteral(":/skin/hand.cur"));
}
