#pragma once

#include "damage.h"

#include <QByteArray>
#include <QString>

// Damages the about window's data file `relative` ("\OpenURL.cur") and clicks the about
// button: the report names the file and the fault, the about window is not shown, the main
// window goes on translating; once the file is mended, the next click opens the window.
void expectAboutWindowFaultReportedAndRetried(const Damage& damage, const QString& relative, const QByteArray& sound);
