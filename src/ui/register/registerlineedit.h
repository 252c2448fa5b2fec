#pragma once

#include <QLineEdit>

// Marks a line edit as one of the register's own cell editors.
class RegisterLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;
};
