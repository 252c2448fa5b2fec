#include "registertableview.h"

#include "registermodel.h"
#include "registerscreen.h"

#include <QApplication>
#include <QKeyEvent>

RegisterTableView::RegisterTableView(RegisterScreen *screen, QWidget *parent)
    : QTableView(parent)
    , m_screen(screen)
{}

bool RegisterTableView::focusIsInPayeeMemoEditor() const
{
    for (QWidget *widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        if (widget->objectName() == u"PayeeMemoEditor")
            return true;
        if (widget == this)
            break;
    }
    return false;
}

void RegisterTableView::closeEditorQuietly(QWidget *editor)
{
    // As in closeEditor: focus left in a line edit inside the two-line editor would move on to
    // the next field when the editor is hidden.
    if (editor && !editor->hasFocus() && editor->isAncestorOf(QApplication::focusWidget()))
        setFocus();
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool RegisterTableView::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress && !focusIsInPayeeMemoEditor()) {
        auto *keyEvent = static_cast<QKeyEvent *>(event);
        const bool shift = keyEvent->modifiers().testFlag(Qt::ShiftModifier);
        const bool tab = keyEvent->key() == Qt::Key_Tab && !shift;
        const bool backtab = keyEvent->key() == Qt::Key_Backtab || (keyEvent->key() == Qt::Key_Tab && shift);
        if (tab || backtab) {
            QKeyEvent arrow(QEvent::KeyPress, tab ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
            QTableView::event(&arrow);
            if (currentIndex().isValid())
                edit(currentIndex());
            return true;
        }
    }
    return QTableView::event(event);
}

void RegisterTableView::keyPressEvent(QKeyEvent *event)
{
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    if (event->key() == Qt::Key_Backtab || (event->key() == Qt::Key_Tab && shift)) {
        m_screen->advanceToPreviousField();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Tab) {
        m_screen->advanceToNextField();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool RegisterTableView::focusNextPrevChild(bool next)
{
    if (focusIsInPayeeMemoEditor())
        return m_screen->focusNextPrevChild(next);
    if (next)
        m_screen->advanceToNextField();
    else
        m_screen->advanceToPreviousField();
    return true;
}

void RegisterTableView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Qt hands the focus back only when the editor itself has it. When a line edit inside the
    // payee/memo editor has it, hiding the editor would move the focus on through
    // focusNextPrevChild, which the register reads as one more Tab.
    if (editor && !editor->hasFocus() && editor->isAncestorOf(QApplication::focusWidget()))
        setFocus();
    if (hint != QAbstractItemDelegate::EditNextItem && hint != QAbstractItemDelegate::EditPreviousItem) {
        QTableView::closeEditor(editor, hint);
        return;
    }
    // The delegate asks for the next or previous item in Qt's sense; the register has its own
    // field order, so the editor closes in place and the screen moves.
    const QModelIndex cell = currentIndex();
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (cell.isValid())
        setCurrentIndex(cell);
    if (hint == QAbstractItemDelegate::EditNextItem)
        m_screen->advanceToNextField();
    else
        m_screen->advanceToPreviousField();
}

QModelIndex RegisterTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    // Ctrl+End goes where a new entry starts: the Date cell of the last row, the blank row unless
    // the register shows the newest rows first.
    if (cursorAction == MoveEnd && modifiers.testFlag(Qt::ControlModifier) && model()) {
        const int lastRow = model()->rowCount(rootIndex()) - 1;
        if (lastRow >= 0)
            return model()->index(lastRow, RegisterModel::DateColumn, rootIndex());
    }
    const QModelIndex target = QTableView::moveCursor(cursorAction, modifiers);
    if (target.isValid() && target.column() == RegisterModel::BalanceColumn)
        return target.siblingAtColumn(RegisterModel::ClearedColumn);
    return target;
}
