#pragma once

#include <QByteArray>
#include <QStringList>

// One run of verbolet-translate, as a user runs it from a shell.
struct TranslatorRun final {
    int exitCode = -1; // -1 when it did not end normally
    QByteArray output;
    QByteArray errors;
};

TranslatorRun runTranslator(const QStringList& arguments, const QByteArray& input);
