#pragma once

#include "datefield.h"

// The register's in-cell date editor: a DateField that leaves its text as typed when the focus
// leaves, because the register delegate reads and parses the text itself when it commits.
class SmartDateEdit : public DateField
{
    Q_OBJECT

public:
    explicit SmartDateEdit(QWidget *parent = nullptr);

protected:
    void focusOutEvent(QFocusEvent *event) override;
};
