#include "translation/cli/commandline.h"

#include <QCommandLineParser>

CommandLine CommandLine::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption dictionary("dictionary", QString(), "FILE");
    const QCommandLineOption check("check");
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringList{"v", "version"});
    parser.addOptions({dictionary, check, help, version});

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.action = Action::Invalid;
        result.error = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        result.action = Action::Invalid;
        result.error = QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst());
    } else if (parser.isSet(help)) {
        result.action = Action::Help;
    } else if (parser.isSet(version)) {
        result.action = Action::Version;
    } else if (parser.isSet(check)) {
        result.action = Action::Check;
    }
    if (parser.isSet(dictionary))
        result.dictionaryPath = parser.value(dictionary);
    return result;
}

QString CommandLine::helpText()
{
    return QStringLiteral(
        "Usage: verbolet-translate [--dictionary FILE] [--check]\n"
        "\n"
        "Expands chat and text-message shorthand into plain words. Reads messages from\n"
        "standard input, one per line, and writes each translation on a line of its own\n"
        "to standard output, UTF-8 both ways. Every line is translated exactly as\n"
        "Verbolet's Translate command translates it.\n"
        "\n"
        "Options:\n"
        "  --dictionary FILE  the dictionary to use (default: SMS.dic beside this program)\n"
        "  --check            check the dictionary and list the entries that are dead or\n"
        "                     surprising instead of translating\n"
        "  -h, --help         show this help\n"
        "  -v, --version      show the version\n"
        "\n"
        "Exit status: 0 done; 1 --check found something; 2 the dictionary cannot be used;\n"
        "64 the command line is wrong; 74 reading or writing failed.\n");
}
