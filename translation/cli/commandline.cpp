#include "translation/cli/commandline.h"

#include <QCommandLineParser>

namespace {

// An option's value, which may not be empty: `--dictionary ""` would otherwise quietly mean
// the default dictionary.
bool takeFileName(const QCommandLineParser& parser, const QCommandLineOption& option, QString& into, QString& error)
{
    if (!parser.isSet(option))
        return true;
    into = parser.value(option);
    if (into.isEmpty())
        error = QStringLiteral("--%1 needs a file name, not an empty one").arg(option.names().constFirst());
    return !into.isEmpty();
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption dictionary("dictionary", QString(), "FILE");
    const QCommandLineOption output("output", QString(), "FILE");
    const QCommandLineOption check("check");
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringList{"v", "version"});
    parser.addOptions({dictionary, output, check, help, version});

    CommandLine result;
    result.inputs = parser.parse(arguments) ? parser.positionalArguments() : QStringList();
    if (!parser.errorText().isEmpty()) {
        result.error = parser.errorText();
    } else if (!takeFileName(parser, dictionary, result.dictionaryPath, result.error)
               || !takeFileName(parser, output, result.outputPath, result.error)) {
    } else if (parser.isSet(check) && !result.inputs.isEmpty()) {
        result.error = QStringLiteral("--check reads no FILE, but '%1' was given").arg(result.inputs.constFirst());
    } else if (parser.isSet(help)) {
        result.action = Action::Help;
    } else if (parser.isSet(version)) {
        result.action = Action::Version;
    } else if (parser.isSet(check)) {
        result.action = Action::Check;
    }
    if (!result.error.isEmpty())
        result.action = Action::Invalid;
    return result;
}

QString CommandLine::helpText()
{
    return QStringLiteral(
        "Usage: verbolet-translate [--dictionary FILE] [--check] [--output FILE] [FILE...]\n"
        "\n"
        "Expands chat and text-message shorthand into plain words. Translates each FILE\n"
        "in turn (none, or -, is standard input), one message a line, to standard output.\n"
        "Every line is translated exactly as Verbolet's Translate command translates it;\n"
        "what is not translated, line ends and bytes that are not UTF-8 included, comes\n"
        "out byte for byte.\n"
        "\n"
        "Options:\n"
        "  --dictionary FILE  the dictionary to use (default: SMS.dic beside this program);\n"
        "                     a pipe will do, such as <(make-dictionary)\n"
        "  --output FILE      write to FILE instead of standard output\n"
        "  --check            check the dictionary and list the entries that are dead or\n"
        "                     surprising instead of translating\n"
        "  -h, --help         show this help\n"
        "  -v, --version      show the version\n"
        "\n"
        "Exit status: 0 done; 1 --check found something; 2 the dictionary cannot be used;\n"
        "64 the command line is wrong; 74 reading or writing failed (a FILE that cannot\n"
        "be read, after the others are translated; a closed or failing stream).\n");
}
