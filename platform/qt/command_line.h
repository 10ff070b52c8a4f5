// The command line read with GNU conventions (Qt's QCommandLineParser): short and long names,
// "--name=VALUE" and "--name VALUE", options and arguments in any order, "--" ending the
// options. This header includes no Qt.
#pragma once

#include <map>
#include <string>
#include <vector>

struct CommandLineOption {
    std::vector<std::string> names;  // {"h", "help"}: one letter is a short name
    std::string description;
    std::string valueName;  // empty: the option takes no value
};

struct CommandLineSyntax {
    std::string description;  // the help's first paragraph
    std::vector<CommandLineOption> options;
    std::string argumentName;         // of the arguments that are not options
    std::string argumentDescription;  // in the help
    std::string argumentSyntax;       // in the help's usage line, e.g. "[PRINTER]"
};

struct ParsedCommandLine {
    std::string error;                           // empty when the line was understood
    std::map<std::string, std::string> options;  // by the option's last name; "" for no value
    std::vector<std::string> arguments;

    bool Has(const std::string& name) const { return options.count(name) != 0; }
    // The option's value; empty when it is absent or takes none.
    std::string Value(const std::string& name) const {
        return Has(name) ? options.at(name) : std::string();
    }
};

// args[0] is the program's name. Texts are in the locale's encoding, as argv is.
ParsedCommandLine ParseCommandLine(const CommandLineSyntax& syntax,
                                   const std::vector<std::string>& args);

// The help text: usage line, description, options, argument.
std::string CommandLineHelp(const CommandLineSyntax& syntax, const std::string& program);
