#pragma once

#include <QString>
#include <QStringList>

// What the command line asks verbolet-translate to do.
struct CommandLine final {
    enum class Action { Translate, Check, Help, Version, Invalid };

    static CommandLine parse(const QStringList& arguments);
    static QString helpText();

    Action action = Action::Translate;
    QString dictionaryPath; // empty: SMS.dic beside the program
    QString outputPath;     // empty: standard output
    QStringList inputs;     // in order; "-" is standard input, and so is none at all
    QString error;          // why the command line is Invalid
};
