#include "commands.h"

#include "services/importtext.h"
#include "services/qifjson.h"
#include "services/qifparser.h"

#include <QFile>
#include <QJsonObject>

namespace {

int qifInspect(CliContext &context, const QStringList &arguments)
{
    const CliArguments args(arguments, {QStringLiteral("--date-order")});
    if (!args.isValid())
        return context.usageError(args.error());
    if (args.positionals().size() != 1)
        return context.usageError(QStringLiteral("qif-inspect takes one file"));
    const QString orderText = args.value(QStringLiteral("--date-order"), QStringLiteral("auto"));
    QifDateOrder order = QifDateOrder::Auto;
    if (orderText == QLatin1String("month-first"))
        order = QifDateOrder::MonthFirst;
    else if (orderText == QLatin1String("day-first"))
        order = QifDateOrder::DayFirst;
    else if (orderText != QLatin1String("auto"))
        return context.usageError(QStringLiteral("--date-order takes auto, month-first or day-first"));

    QFile file(args.positionals().first());
    if (!file.open(QIODevice::ReadOnly))
        return context.fail(QStringLiteral("cannot open %1: %2").arg(file.fileName(), file.errorString()));
    context.printJson(qifParseResultToJson(QifParser::parse(decodeImportText(file.readAll()), order)));
    return 0;
}

} // namespace

QList<CliCommand> importCommands()
{
    return {
        {QStringLiteral("qif-inspect"), QStringLiteral("FILE [--date-order auto|month-first|day-first]"),
         QStringLiteral("Parse a QIF file and print what it holds"), qifInspect},
    };
}
