#pragma once

#include "support/whenmodalshown.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// The visible button reading `text` inside `root`, or null.
inline QPushButton *visibleButton(QWidget *root, const QString &text)
{
    const QList<QPushButton *> buttons = root->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (button->text() == text && button->isVisibleTo(root))
            return button;
    }
    return nullptr;
}

// Whether a visible label inside `root` reads `text`.
inline bool showsText(QWidget *root, const QString &text)
{
    const QList<QLabel *> labels = root->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label->isVisibleTo(root) && label->text() == text)
            return true;
    }
    return false;
}

// Types `text` into the input dialog that opens next and presses Enter (Escape when `text` is
// null), recording the dialog's label.
inline void typeIntoNextPrompt(const QString &text, QString *label = nullptr)
{
    whenModalShown([text, label](QWidget *modal) {
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        if (label)
            *label = dialog->labelText();
        auto *edit = dialog->findChild<QLineEdit *>();
        if (text.isNull()) {
            QTest::keyClick(edit, Qt::Key_Escape);
            return;
        }
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

// Answers the message box that opens next with `button`, recording its text.
inline void answerNextMessageBox(QMessageBox::StandardButton button, QString *text = nullptr)
{
    whenModalShown([button, text](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            modal->close();
            return;
        }
        if (text)
            *text = box->text();
        box->button(button)->click();
    });
}
