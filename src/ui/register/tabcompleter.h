#pragma once

#include <QCompleter>

// A completer with the register's matching rules: case-insensitive, matching anywhere in the text,
// in a popup. The owner installs it with QLineEdit::setCompleter.
class TabCompleter : public QCompleter
{
    Q_OBJECT

public:
    explicit TabCompleter(const QStringList &items, QObject *parent = nullptr);
    explicit TabCompleter(QAbstractItemModel *model, QObject *parent = nullptr);

private:
    void applyMatchingRules();
};
