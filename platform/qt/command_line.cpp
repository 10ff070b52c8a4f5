#include "platform/qt/command_line.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace {

QString FromLocal(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), qsizetype(text.size()));
}

std::string ToLocal(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

void Describe(QCommandLineParser& parser, const CommandLineSyntax& syntax) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.setApplicationDescription(FromLocal(syntax.description));
    for (const CommandLineOption& option : syntax.options) {
        QStringList names;
        for (const std::string& name : option.names) {
            names << FromLocal(name);
        }
        parser.addOption(
            QCommandLineOption(names, FromLocal(option.description), FromLocal(option.valueName)));
    }
    if (!syntax.argumentName.empty()) {
        parser.addPositionalArgument(FromLocal(syntax.argumentName),
                                     FromLocal(syntax.argumentDescription),
                                     FromLocal(syntax.argumentSyntax));
    }
}

}  // namespace

ParsedCommandLine ParseCommandLine(const CommandLineSyntax& syntax,
                                   const std::vector<std::string>& args) {
    QCommandLineParser parser;
    Describe(parser, syntax);
    QStringList list;
    for (const std::string& arg : args) {
        list << FromLocal(arg);
    }
    ParsedCommandLine parsed;
    if (!parser.parse(list)) {
        parsed.error = ToLocal(parser.errorText());
        return parsed;
    }
    for (const CommandLineOption& option : syntax.options) {
        const QString name = FromLocal(option.names.back());
        if (parser.isSet(name)) {
            parsed.options[option.names.back()] =
                option.valueName.empty() ? std::string() : ToLocal(parser.value(name));
        }
    }
    for (const QString& argument : parser.positionalArguments()) {
        parsed.arguments.push_back(ToLocal(argument));
    }
    return parsed;
}

std::string CommandLineHelp(const CommandLineSyntax& syntax, const std::string& program) {
    QCommandLineParser parser;
    Describe(parser, syntax);
    QString help = parser.helpText();
    // Without an application object the parser names the program by nothing; name it.
    const qsizetype end = help.indexOf(QLatin1Char('\n'));
    const QString usage = help.left(end);
    const qsizetype options = usage.indexOf(QLatin1String("[options]"));
    help.replace(0, end,
                 QStringLiteral("Usage: ") + FromLocal(program) + QLatin1Char(' ') +
                     usage.mid(options < 0 ? usage.size() : options));
    return ToLocal(help);
}
