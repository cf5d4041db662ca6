#include "gui/window/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <algorithm>
#include <utility>

#include "core/files/skemora_error.h"
#include "gui/window/about_dialog.h"

namespace skemora {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// One option of the program: its names as typed, its line in the usage. A new option is a row
// here and a branch in ParseCommandLine.
struct OptionRow {
    QStringList Names;
    std::string MessageTexts::*Description;
};

const std::vector<OptionRow>& Options() {
    static const std::vector<OptionRow> rows = {
        {{"h", "help"}, &MessageTexts::UsageHelpOption},
        {{"version"}, &MessageTexts::UsageVersionOption},
        {{"today"}, &MessageTexts::UsageTodayOption},
        {{"json"}, &MessageTexts::UsageJsonOption},
    };
    return rows;
}

QString Dashed(const QStringList& names) {
    QStringList shown;
    for (const QString& name : names) shown << (name.size() == 1 ? "-" : "--") + name;
    return shown.join(", ");
}

// Lines of two columns, the first padded to one width.
QString Table(const std::vector<std::pair<QString, QString>>& rows, int width) {
    QString text;
    for (const auto& [left, right] : rows)
        text += "  " + left.leftJustified(width) + "  " + right + "\n";
    return text;
}

QString Usage(const QString& program, const MessageTexts& texts) {
    using Rows = std::vector<std::pair<QString, QString>>;
    const Rows options = [&] {
        Rows rows;
        for (const OptionRow& row : Options())
            rows.emplace_back(Dashed(row.Names), Text(texts.*row.Description));
        return rows;
    }();
    const Rows arguments = {{"name", Text(texts.UsageNameArgument)}};
    const Rows environment = {
        {"SKEMORA_DATA_DIR", Text(texts.UsageDataDirVariable)},
        {"SKEMORA_LANGUAGE", Text(texts.UsageLanguageVariable)}};
    int width = 0;
    for (const auto* rows : {&options, &arguments, &environment})
        for (const auto& row : *rows) width = std::max(width, static_cast<int>(row.first.size()));
    return Text(FillTemplate(texts.UsageLine, {program.toStdString()})) + "\n" +
           Text(texts.UsageDescription) + "\n\n" + Text(texts.UsageOptions) + "\n" +
           Table(options, width) + "\n" + Text(texts.UsageArguments) + "\n" +
           Table(arguments, width) + "\n" + Text(texts.UsageEnvironment) + "\n" +
           Table(environment, width);
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments, const MessageTexts& texts) {
    const QString program =
        arguments.isEmpty() ? QStringLiteral("skemora") : QFileInfo(arguments.first()).fileName();
    QCommandLineParser parser;
    for (const OptionRow& row : Options()) parser.addOption(QCommandLineOption(row.Names));

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.What = CommandLine::Action::Refused;
        const QStringList unknown = parser.unknownOptionNames();
        const QString reason =
            unknown.isEmpty()
                ? parser.errorText()
                : Text(FillTemplate(texts.UsageUnknownOption,
                                    {Dashed({unknown.first()}).toStdString()}));
        line.Output = reason + "\n" +
                      Text(FillTemplate(texts.UsageTryHelp, {program.toStdString()})) + "\n";
        return line;
    }
    if (parser.isSet("help")) {
        line.What = CommandLine::Action::Help;
        line.Output = Usage(program, texts);
    } else if (parser.isSet("version")) {
        line.What = CommandLine::Action::Version;
        line.Output = "Skemora " + ProgramVersion() + "\n";
    }
    for (const QString& word : parser.positionalArguments()) line.Name.push_back(word.toStdString());
    return line;
}

}  // namespace skemora
