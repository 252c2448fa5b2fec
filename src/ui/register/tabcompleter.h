#pragma once

#include <QCompleter>

// A completer with the register's matching rules: case-insensitive, matching anywhere in the text,
// in a popup. The owner installs it with QLineEdit::setCompleter.
//
// The popup is as wide as the longest item offered (within the screen), not only as wide as the
// field: a category cell is narrow, "[Transfer] Joint Savings" is not.
class TabCompleter : public QCompleter
{
    Q_OBJECT

public:
    explicit TabCompleter(const QStringList &items, QObject *parent = nullptr);
    explicit TabCompleter(QAbstractItemModel *model, QObject *parent = nullptr);

    // The popup width that shows every item whole.
    int popupWidthForItems();

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyMatchingRules();
    void widenPopup();

    int m_itemsWidth = -1; // measured lazily; -1 after the items change
    bool m_widening = false;
};
