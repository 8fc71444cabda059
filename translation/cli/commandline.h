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
    QString error;          // why the command line is Invalid
};
