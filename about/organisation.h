#pragma once

#include <QString>

// Who stands behind the program. The addresses lie under the reserved domain
// example.org: a distributor sets their own here, and nowhere else.
namespace Organisation {

inline const QString Name = QStringLiteral("Verbolet Project");
inline const QString WebAddress = QStringLiteral("https://verbolet.example.org/");
inline const QString SupportMail = QStringLiteral("support@verbolet.example.org");
inline const QString Author = QStringLiteral("Robin Avery");

} // namespace Organisation
