#pragma once

#include <QCursor>

// The pointing hand of the web links, stored with both windows' designs.
QCursor LinkCursor();
