#include "tabcompleter.h"

TabCompleter::TabCompleter(const QStringList &items, QObject *parent)
    : QCompleter(items, parent)
{
    applyMatchingRules();
}

TabCompleter::TabCompleter(QAbstractItemModel *model, QObject *parent)
    : QCompleter(model, parent)
{
    applyMatchingRules();
}

void TabCompleter::applyMatchingRules()
{
    setCaseSensitivity(Qt::CaseInsensitive);
    setFilterMode(Qt::MatchContains);
    setCompletionMode(QCompleter::PopupCompletion);
}
