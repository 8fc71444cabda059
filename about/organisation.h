#pragma once

#include <QString>

// Who stands behind the program. The addresses lie under the reserved domain
// example.org: a distributor sets their own here, and nowhere else.
namespace Organisation {

inline const QString Name = QStringLiteral("Verbolet Project");
inline const QString WebAddress = QStringLiteral("https://verbolet.example.org/");
inline const QString SupportMail = QStringLiteral("support@verbolet.example.org");
inline const QString Author = QStringLiteral("Robin Avery");

// The web address as people write it ("verbolet.example.org"), for the links' captions:
// the full form with its scheme does not fit their boxes on one line. The links open
// WebAddress, never the caption.
inline QString ShownWebAddress()
{
    QString address = WebAddress;
    for (const QString& scheme : {QStringLiteral("https://"), QStringLiteral("http://")})
        if (address.startsWith(scheme))
            address.remove(0, scheme.size());
    if (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    return address;
}

} // namespace Organisation
