#pragma once

#include <QComboBox>

// Marks a combo box as the register's own category editor.
class RegisterComboBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;
};
