#pragma once

#include <QString>

// Data files are named by paths relative to the program folder, written with a
// leading backslash ("\SMS.dic", "\Skins\Default\grad.skt"); they are joined with the
// platform's own separator.
namespace ProgramFolder {

// The folder of the running executable, without a trailing separator.
QString path();

// `folder` followed by `relative`, with every backslash of `relative` turned into the
// platform's separator.
QString join(const QString& folder, const QString& relative);

} // namespace ProgramFolder
