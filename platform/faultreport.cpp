#include "platform/faultreport.h"

namespace {

QString headline(FaultConsequence consequence)
{
    switch (consequence) {
    case FaultConsequence::NotTranslated: return QStringLiteral("The message was not translated.");
    case FaultConsequence::ButtonKeepsItsFace:
        return QStringLiteral("A button picture could not be loaded; the button keeps the picture it shows.");
    case FaultConsequence::AboutWindowNotOpened: return QStringLiteral("The about window could not be opened.");
    case FaultConsequence::ProgramEnds: return QStringLiteral("Verbolet has to close.");
    }
    return {};
}

} // namespace

void ReportFault(win32::Platform& platform, FaultConsequence consequence, const QString& fault)
{
    platform.ReportError(headline(consequence) + QStringLiteral("\n\n") + fault);
}
