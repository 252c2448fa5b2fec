#pragma once

#include <QWidget>

// Stacked page 2 of the main window, shown while there is no account: a way to create the first
// one, and a pointer to the import.
class EmptyStateScreen : public QWidget
{
    Q_OBJECT

public:
    explicit EmptyStateScreen(QWidget *parent = nullptr);

signals:
    void createAccountRequested();
};
