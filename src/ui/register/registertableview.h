#pragma once

#include <QTableView>

class RegisterScreen;

// The register's table: Tab and Shift+Tab move through the row's fields (through the screen),
// and the Balance column is never a cursor target.
class RegisterTableView : public QTableView
{
    Q_OBJECT

public:
    explicit RegisterTableView(RegisterScreen *screen, QWidget *parent = nullptr);

    // The editor open on `index`, or nullptr.
    QWidget *editorAt(const QModelIndex &index) const { return indexWidget(index); }
    bool isEditing() const { return state() == EditingState; }
    // Closes the editor without moving anywhere; its text is not written again.
    void closeEditorQuietly(QWidget *editor);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    bool focusIsInPayeeMemoEditor() const;

    RegisterScreen *m_screen;
};
