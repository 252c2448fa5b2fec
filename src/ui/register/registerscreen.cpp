#include "registerscreen.h"

#include "registerdelegate.h"
#include "registermodel.h"
#include "registertableview.h"
#include "ui/widgets/dateinput.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/registerstyle.h"
#include "ui/widgets/tablecolumnfitter.h"

#include "data/accountrepository.h"
#include "data/datetext.h"
#include "data/decimaltext.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "services/categoryservice.h"
#include "services/transactionservice.h"
#include "ui/widgets/thememanager.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString transferPrefix = QStringLiteral("[Transfer] ");

QFont resizedFont(const QFont &base, qreal delta, int weight = -1)
{
    QFont font = base;
    font.setPointSizeF(std::max(7.0, base.pointSizeF() + delta));
    if (weight > 0)
        font.setWeight(QFont::Weight(weight));
    return font;
}

} // namespace

RegisterScreen::RegisterScreen(const ScreenServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_model(new RegisterModel(this))
    , m_delegate(new RegisterDelegate(services, this))
    , m_view(new RegisterTableView(this, this))
    , m_nameLabel(new ElidedLabel(this))
    , m_balanceLabel(new QLabel(this))
    , m_reconcileButton(new QPushButton(tr("Reconcile"), this))
    , m_subtitleLabel(new QLabel(this))
    , m_hintLabel(new QLabel(this))
    , m_hintTimer(new QTimer(this))
{
    const QFont appFont = QApplication::font();
    m_nameLabel->setFont(resizedFont(appFont, 8, 600));
    m_balanceLabel->setFont(resizedFont(appFont, 4, 600));
    m_balanceLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_reconcileButton->setFocusPolicy(Qt::ClickFocus);
    connect(m_reconcileButton, &QPushButton::clicked, this, &RegisterScreen::reconcileRequested);

    m_subtitleLabel->setFont(resizedFont(appFont, -2));
    m_subtitleLabel->setStyleSheet(
        QStringLiteral("color: %1;").arg(secondaryTextColor().name(QColor::HexRgb)));
    m_subtitleLabel->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    auto *header = new QHBoxLayout;
    header->setSpacing(16);
    // A long account name elides rather than pushing the balance out of the window.
    header->addWidget(m_nameLabel, 1);
    header->addWidget(m_balanceLabel);
    header->addWidget(m_reconcileButton);
    layout->addLayout(header);
    layout->addWidget(m_subtitleLabel);
    layout->addSpacing(8);
    layout->addWidget(m_view, 1);

    auto *hintBar = new QHBoxLayout;
    m_hintLabel->setStyleSheet(
        QStringLiteral("color: %1; padding: 2px 4px;").arg(secondaryTextColor().name(QColor::HexRgb)));
    // Elided in a narrow window rather than holding the window wider than the screen.
    auto *keysLabel = new ElidedLabel(
        tr("Ctrl+Enter: save  |  Enter: next  |  Ctrl+D: delete  |  Ctrl+M: memorize  |  ': copy above"),
        this);
    keysLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    keysLabel->setToolTip(keysLabel->fullText());
    keysLabel->setStyleSheet(
        QStringLiteral("color: %1; padding: 2px 4px;").arg(ThemeManager::color(ThemeColor::KeysHint).name()));
    hintBar->addWidget(m_hintLabel);
    hintBar->addStretch();
    hintBar->addWidget(keysLabel, 1);
    layout->addLayout(hintBar);

    m_hintTimer->setSingleShot(true);
    connect(m_hintTimer, &QTimer::timeout, m_hintLabel, &QLabel::clear);

    m_delegate->setKeyHandler(this);
    m_view->setModel(m_model);
    m_view->setItemDelegate(m_delegate);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setTabKeyNavigation(false);
    m_view->setFocusPolicy(Qt::StrongFocus);
    m_view->setSortingEnabled(false);
    m_view->setShowGrid(false);
    m_view->setWordWrap(false);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    // Fixed, uniform row heights: the view never measures rows, so 100,000 of them scroll as
    // fast as ten.
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(RegisterDelegate::oneLineHeight);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setHighlightSections(false);
    // Dates, amounts and flags as wide as their widest value in the fonts they are drawn in;
    // payee, category and memo share the rest; the memo gives way first, the payee last.
    m_columnFitter = new TableColumnFitter(m_view);
    for (int column :
         {RegisterModel::CheckNumberColumn, RegisterModel::PaymentColumn, RegisterModel::DepositColumn,
          RegisterModel::ClearedColumn, RegisterModel::BalanceColumn})
        m_columnFitter->setContentColumn(column);
    // The date editor shows its calendar button beside the text.
    m_columnFitter->setContentColumn(RegisterModel::DateColumn, calendarIcon(m_view).width() + 10);
    m_columnFitter->setExtraSamples(RegisterModel::DateColumn, {dateToEditText(QDate(2000, 12, 28))});
    m_columnFitter->setExtraSamples(RegisterModel::CheckNumberColumn, {QStringLiteral("00000")});
    m_columnFitter->setTextColumn(RegisterModel::PayeeColumn, 4, 12);
    m_columnFitter->setTextColumn(RegisterModel::CategoryColumn, 3, 10);
    m_columnFitter->setTextColumn(RegisterModel::MemoColumn, 2, 8);

    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);
    // The balance colour is a style sheet, which a new palette does not reach by itself.
    if (ThemeManager *themes = m_services.themeManager)
        connect(themes, &ThemeManager::themeChanged, this, &RegisterScreen::applyBalanceColor);
    connect(m_delegate, &QAbstractItemDelegate::closeEditor, this, [this] {
        if (m_reloadPending)
            QTimer::singleShot(0, this, &RegisterScreen::reload);
    });
    connect(m_view, &QWidget::customContextMenuRequested, this, &RegisterScreen::onContextMenu);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { startEditingRow(current.row()); });
    connect(m_view, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        startEditingRow(index.row());
        if (index.column() != RegisterModel::BalanceColumn)
            openEditorAt(index);
    });
}

RegisterScreen::~RegisterScreen()
{
    // The view and delegate outlive this part of the object: hiding the window while QWidget tears
    // down can close an open editor and move the focus, and their signals must not reach the lambdas
    // above once RegisterScreen itself is gone.
    m_delegate->disconnect(this);
    m_view->disconnect(this);
    m_view->selectionModel()->disconnect(this);
    m_view->removeEventFilter(this);
    m_view->viewport()->removeEventFilter(this);
}

void RegisterScreen::applyBalanceColor()
{
    const QColor color = m_balanceIsNegative ? negativeColor() : positiveColor();
    m_balanceLabel->setStyleSheet(QStringLiteral("color: %1;").arg(color.name(QColor::HexRgb)));
}

QString RegisterScreen::hintText() const
{
    return m_hintLabel->text();
}

QString RegisterScreen::balanceText() const
{
    return m_balanceLabel->text();
}

void RegisterScreen::setAccount(const QString &accountId)
{
    // An editor left open would keep the reload from running and leave the old account's rows
    // on screen under the new account's id.
    if (QWidget *editor = m_view->editorAt(m_view->currentIndex()))
        m_view->closeEditorQuietly(editor);
    m_accountId = accountId;
    m_delegate->setAccountId(accountId);
    reload();
    focusNewEntryRow();
}

void RegisterScreen::reload()
{
    if (m_accountId.isEmpty())
        return;
    if (m_view->isEditing() || m_writing) {
        // Catch up once the user leaves the cell (or the write in progress is done) rather than
        // showing stale rows, or loading 100,000 rows once per leg of a transfer.
        m_reloadPending = true;
        return;
    }
    m_reloadPending = false;
    const std::optional<Account> account = m_services.accountRepository->findById(m_accountId);
    if (!account)
        return;
    m_nameLabel->setText(account->name);
    m_nameLabel->setToolTip(account->name);
    QString subtitle = account->institution;
    if (!subtitle.isEmpty() && !account->accountNumberLast4.isEmpty())
        subtitle += QStringLiteral("  ·  *%1").arg(account->accountNumberLast4);
    m_subtitleLabel->setText(subtitle);
    m_subtitleLabel->setVisible(!subtitle.isEmpty());

    const int topRow = m_view->rowAt(0);
    const RegisterRow *top = m_model->registerRow(topRow);
    const QString topId = top ? top->transaction.id : QString();
    const QModelIndex current = m_view->currentIndex();
    const RegisterRow *currentRecord = current.isValid() ? m_model->registerRow(current.row()) : nullptr;
    const QString currentId = currentRecord ? currentRecord->transaction.id : QString();
    const bool currentWasBlank = current.isValid() && m_model->isBlankRow(current.row());

    TransactionRepository *transactions = m_services.transactionRepository;
    RegisterIndex index = transactions->registerIndex(m_accountId);
    PreferencesRepository *preferences = m_services.preferencesRepository;
    const bool twoLine = preferences->boolValue(QStringLiteral("registerTwoLine"), false);
    m_delegate->setTwoLine(twoLine);
    m_view->setColumnHidden(RegisterModel::MemoColumn, twoLine);
    m_model->setTwoLine(twoLine);
    m_view->verticalHeader()->setDefaultSectionSize(twoLine ? RegisterDelegate::twoLineHeight
                                                            : RegisterDelegate::oneLineHeight);
    m_view->viewport()->update();
    const bool newestFirst = preferences->boolValue(QStringLiteral("registerNewestFirst"), false);
    m_model->loadIndex(std::move(index), transactions, newestFirst, account->currency);

    // A register of small amounts still gets columns that take a four-digit figure.
    const QString floor = formatAmount(999999, account->currency);
    for (int column :
         {RegisterModel::PaymentColumn, RegisterModel::DepositColumn, RegisterModel::BalanceColumn})
        m_columnFitter->setExtraSamples(column, m_model->widestAmountTexts(column) << floor);

    const Money balance = m_model->accountBalance(account->startingBalance);
    m_balanceLabel->setText(formatMoney(balance, account->currency));
    m_balanceIsNegative = balance < 0;
    applyBalanceColor();

    const int lastRow = m_model->rowCount() - 1;
    int currentRow = currentWasBlank ? m_model->blankRow() : m_model->rowOfTransaction(currentId);
    if (currentRow < 0 && current.isValid())
        currentRow = std::min(current.row(), lastRow);
    int restoredTop = m_model->rowOfTransaction(topId);
    if (restoredTop < 0 && topRow >= 0)
        restoredTop = std::min(topRow, lastRow);
    if (restoredTop >= 0)
        m_view->scrollTo(m_model->index(restoredTop, 0), QAbstractItemView::PositionAtTop);
    if (currentRow >= 0) {
        const QModelIndex restored = m_model->index(currentRow, std::max(0, current.column()));
        m_view->setCurrentIndex(restored);
        m_view->scrollTo(restored);
    }
}

void RegisterScreen::focusNewEntryRow()
{
    if (m_model->rowCount() == 0)
        return;
    if (m_model->isNewestFirst())
        m_view->scrollToTop();
    else
        m_view->scrollToBottom();
    m_view->setCurrentIndex(m_model->index(m_model->blankRow(), RegisterModel::DateColumn));
}

void RegisterScreen::closeEditorWithoutWriting()
{
    QWidget *editor = m_view->editorAt(m_view->currentIndex());
    if (!editor)
        return;
    m_view->closeEditorQuietly(editor);
    // The delegate does not announce a quiet close; a reload that waited for the editor runs now.
    if (m_reloadPending)
        QTimer::singleShot(0, this, &RegisterScreen::reload);
}

void RegisterScreen::discardNewEntry()
{
    const QModelIndex current = m_view->currentIndex();
    closeEditorWithoutWriting();
    m_model->clearPendingEdit();
    m_model->setPendingEdit(m_model->pendingEdit());
    const int column = current.isValid() ? current.column() : int(RegisterModel::DateColumn);
    m_view->setCurrentIndex(m_model->index(m_model->blankRow(), column));
    m_view->setFocus();
}

void RegisterScreen::insertNewEntry()
{
    // Closed without writing: its text belongs to the row being left, not to the new entry.
    closeEditorWithoutWriting();
    m_model->setEditingRow(-1);
    m_model->clearPendingEdit();
    m_model->setPendingEdit(m_model->pendingEdit());
    const QModelIndex blank = m_model->index(m_model->blankRow(), RegisterModel::DateColumn);
    m_view->setCurrentIndex(blank);
    m_view->scrollTo(blank);
    openEditorAt(blank);
}

void RegisterScreen::newTransactionDialog()
{
    if (!m_accountId.isEmpty())
        emit newTransactionRequested(m_accountId);
}

void RegisterScreen::showHint(const QString &text, int timeoutMs)
{
    m_hintLabel->setText(text);
    // One timer for all hints, so an old hint's timeout never clears a newer one early.
    m_hintTimer->start(timeoutMs);
}

void RegisterScreen::startEditingRow(int row)
{
    const int editingRow = m_model->editingRow();
    const RegisterRow *record = m_model->registerRow(row);
    const bool leavesAnEdit = editingRow != -1 && editingRow != row;
    if (m_model->isBlankRow(row) || (record && record->transaction.id.isEmpty())) {
        // The blank row, or the opening-balance row, which has nothing stored to edit.
        if (leavesAnEdit) {
            m_model->setEditingRow(-1);
            m_model->clearPendingEdit();
            m_model->setPendingEdit(m_model->pendingEdit());
        }
        return;
    }
    if (!record || row == editingRow)
        return;
    m_model->loadPendingEditFromRow(row);
    m_model->setEditingRow(row);
}

void RegisterScreen::openEditorAt(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    m_view->scrollTo(index);
    if (m_model->flags(index).testFlag(Qt::ItemIsEditable))
        m_view->edit(index);
}

void RegisterScreen::writeOpenEditor()
{
    const QModelIndex current = m_view->currentIndex();
    if (QWidget *editor = m_view->editorAt(current))
        m_delegate->setModelData(editor, m_model, current);
}

int RegisterScreen::nextVisibleColumn(int column) const
{
    for (int candidate = column + 1; candidate <= RegisterModel::ClearedColumn; ++candidate) {
        if (!m_view->isColumnHidden(candidate))
            return candidate;
    }
    return -1;
}

int RegisterScreen::previousVisibleColumn(int column) const
{
    for (int candidate = std::min(column, int(RegisterModel::BalanceColumn)) - 1; candidate >= 0;
         --candidate) {
        if (!m_view->isColumnHidden(candidate))
            return candidate;
    }
    return -1;
}

void RegisterScreen::advanceToNextField()
{
    moveToField(true);
}

void RegisterScreen::advanceToPreviousField()
{
    const QModelIndex target = moveToField(false);
    // Backing into the two-line payee cell lands on its memo, the field just left.
    if (target.isValid() && target.column() == RegisterModel::PayeeColumn) {
        QWidget *editor = m_view->editorAt(target);
        if (editor && editor->objectName() == u"PayeeMemoEditor") {
            if (auto *memoEdit = editor->findChild<QLineEdit *>(QStringLiteral("memoEdit")))
                memoEdit->setFocus();
        }
    }
}

QModelIndex RegisterScreen::moveToField(bool forward)
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return {};
    writeOpenEditor();
    const int column =
        forward ? nextVisibleColumn(current.column()) : previousVisibleColumn(current.column());
    if (column < 0) {
        // The first or last field: nothing to move to, but the cell stays open for typing.
        if (!m_view->editorAt(current))
            openEditorAt(current);
        return {};
    }
    const QModelIndex target = current.siblingAtColumn(column);
    m_view->setCurrentIndex(target);
    openEditorAt(target);
    return target;
}

bool RegisterScreen::focusNextPrevChild(bool next)
{
    QWidget *focus = QApplication::focusWidget();
    const bool inTable = m_view->hasFocus() || (focus && m_view->isAncestorOf(focus));
    if (!inTable)
        return QWidget::focusNextPrevChild(next);
    // A completion list left open would float over the next field.
    if (auto *edit = qobject_cast<QLineEdit *>(focus); edit && edit->completer())
        edit->completer()->popup()->hide();
    QWidget *container = focus;
    while (container && container != m_view && container->objectName() != u"PayeeMemoEditor")
        container = container->parentWidget();
    if (container && container != m_view) {
        auto *payeeEdit = container->findChild<QLineEdit *>(QStringLiteral("payeeEdit"));
        auto *memoEdit = container->findChild<QLineEdit *>(QStringLiteral("memoEdit"));
        if (next && focus == payeeEdit && memoEdit) {
            memoEdit->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (!next && focus == memoEdit && payeeEdit) {
            payeeEdit->setFocus(Qt::BacktabFocusReason);
            return true;
        }
    }
    if (next)
        advanceToNextField();
    else
        advanceToPreviousField();
    return true;
}

bool RegisterScreen::isRegisterShortcut(const QKeyEvent *event) const
{
    // Ctrl alone: Ctrl+Shift+N (new account) and the like belong to the window.
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_D:
    case Qt::Key_I:
    case Qt::Key_N:
    case Qt::Key_M:
        return true;
    default:
        return false;
    }
}

bool RegisterScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // Win over window-wide shortcuts on the same keys while the register has the focus.
        auto *keyEvent = static_cast<QKeyEvent *>(event);
        if (isRegisterShortcut(keyEvent)) {
            keyEvent->accept();
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        auto *keyEvent = static_cast<QKeyEvent *>(event);
        if (handleKeyPress(keyEvent)) {
            keyEvent->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool RegisterScreen::handleKeyPress(QKeyEvent *event)
{
    const bool control = (event->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (control) {
            commitCurrentRow();
        } else {
            const QModelIndex current = m_view->currentIndex();
            if (!current.isValid() || m_view->editorAt(current) ||
                !m_model->flags(current).testFlag(Qt::ItemIsEditable)) {
                enterMove();
            } else {
                startEditingRow(current.row());
                openEditorAt(current);
            }
        }
        return true;
    case Qt::Key_D:
        if (!control)
            return false;
        deleteCurrentRow();
        return true;
    case Qt::Key_I:
        if (!control)
            return false;
        insertNewEntry();
        return true;
    case Qt::Key_N:
        if (!control)
            return false;
        newTransactionDialog();
        return true;
    case Qt::Key_M:
        if (!control)
            return false;
        memorize();
        return true;
    case Qt::Key_Escape: {
        // Esc in the blank row gives up the entry being typed; in a stored row it only closes the
        // editor (the view's own handling), keeping what earlier moves wrote.
        const QModelIndex current = m_view->currentIndex();
        if (event->modifiers() != Qt::NoModifier || m_model->editingRow() != -1 || !current.isValid() ||
            !m_model->isBlankRow(current.row()))
            return false;
        discardNewEntry();
        return true;
    }
    default:
        break;
    }
    if (!control && event->text() == u"'") {
        // An apostrophe copies from above only before anything is typed into the field, so
        // payees such as "Trader Joe's" can still be written.
        auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        if (edit && m_view->isAncestorOf(edit) && !edit->text().isEmpty() &&
            edit->selectedText() != edit->text())
            return false;
        copyFromAbove();
        return true;
    }
    return false;
}

void RegisterScreen::enterMove()
{
    writeOpenEditor();
    const QModelIndex current = m_view->currentIndex();
    const int row = current.isValid() ? current.row() : m_model->blankRow();
    const int column = current.isValid() ? current.column() : -1;
    int target = -1;
    if (column < 0 || column > RegisterModel::ClearedColumn) {
        target = nextVisibleColumn(-1);
    } else {
        target = nextVisibleColumn(column);
        if (target < 0) {
            commitCurrentRow();
            return;
        }
    }
    const QModelIndex index = m_model->index(row, target);
    m_view->setCurrentIndex(index);
    openEditorAt(index);
}

void RegisterScreen::commitCurrentRow()
{
    if (m_accountId.isEmpty())
        return;
    const QModelIndex current = m_view->currentIndex();
    if (current.isValid() && m_view->editorAt(current))
        writeOpenEditor();
    m_view->setCurrentIndex(QModelIndex());

    // A failed check leaves everything as typed and the cursor where it was.
    const auto refuse = [this, current](const QString &hint) {
        if (!hint.isEmpty())
            showHint(hint, 3000);
        if (current.isValid())
            m_view->setCurrentIndex(current);
    };

    const RegisterModel::PendingEdit pending = m_model->pendingEdit();
    const int editingRow = m_model->editingRow();
    const std::optional<Account> account = m_services.accountRepository->findById(m_accountId);
    if (!account)
        return refuse(QString());

    const QString payee = pending.payee.trimmed();
    if (payee.isEmpty())
        return refuse(tr("Payee is required"));

    const QString paymentText = pending.payment.trimmed();
    const QString depositText = pending.deposit.trimmed();
    if (paymentText.isEmpty() && depositText.isEmpty())
        return refuse(tr("Enter a payment or deposit amount"));
    const std::optional<Money> parsed =
        readAmount(paymentText.isEmpty() ? depositText : paymentText, account->currency);
    if (!parsed)
        return refuse(tr("Enter a valid amount"));
    const Money amount = paymentText.isEmpty() ? *parsed : -*parsed;

    QDate date = dateFromEditText(pending.date.trimmed());
    if (!date.isValid())
        date = QDate::currentDate();

    const QString clearedText = pending.cleared.trimmed().toUpper();
    const bool reconciled = clearedText == u"R";
    const bool cleared = reconciled || clearedText == u"C";

    TransactionEntry entry;
    if (payee.startsWith(transferPrefix)) {
        const QString name = payee.mid(transferPrefix.size());
        const QList<Account> accounts = m_services.accountRepository->all();
        const auto found = std::find_if(accounts.cbegin(), accounts.cend(),
                                        [&name](const Account &candidate) { return candidate.name == name; });
        if (found == accounts.cend())
            return refuse(tr("Transfer account not found"));
        entry.transferAccountId = found->id;
    }

    // A typed category name is never dropped: it names a category, or the user decides whether it
    // becomes one.
    QString categoryId = pending.categoryId;
    const QString categoryText = pending.category.trimmed();
    if (categoryId.isEmpty() && !categoryText.isEmpty()) {
        CategoryService *categories = m_services.categoryService;
        if (const std::optional<Category> category = categories->findByTypedName(categoryText)) {
            categoryId = category->id;
        } else {
            const bool isPayment = !paymentText.isEmpty();
            const QString question =
                isPayment
                    ? tr("There is no category \"%1\". Create it as an expense category?").arg(categoryText)
                    : tr("There is no category \"%1\". Create it as an income category?").arg(categoryText);
            if (QMessageBox::question(this, tr("New Category"), question, QMessageBox::Yes | QMessageBox::No,
                                      QMessageBox::Yes) != QMessageBox::Yes) {
                // Back in the category cell with the name as typed, to correct it or pick another.
                const int row = editingRow == -1 ? m_model->blankRow() : editingRow;
                const QModelIndex cell = m_model->index(row, RegisterModel::CategoryColumn);
                m_view->setCurrentIndex(cell);
                openEditorAt(cell);
                return;
            }
            entry.newCategory = categories->newCategoryFor(categoryText, isPayment ? CategoryType::Expense
                                                                                   : CategoryType::Income);
        }
    }

    Transaction &transaction = entry.transaction;
    transaction.accountId = m_accountId;
    transaction.date = date;
    transaction.payee = payee;
    transaction.checkNumber = pending.checkNumber.trimmed();
    transaction.memo = pending.memo.trimmed();
    transaction.amount = amount;
    transaction.categoryId = categoryId;
    transaction.cleared = cleared;
    transaction.reconciled = reconciled;

    const bool isNewEntry = editingRow == -1 || m_model->isBlankRow(editingRow);
    const RegisterRow *record = isNewEntry ? nullptr : m_model->registerRow(editingRow);
    if (!isNewEntry && !record)
        return refuse(QString());
    if (record)
        transaction.id = record->transaction.id;

    TransactionService::Outcome outcome = TransactionService::Outcome::Saved;
    {
        // The service announces both legs of a transfer; the register loads once, afterwards.
        m_writing = true;
        const auto writingDone = qScopeGuard([this] { m_writing = false; });
        TransactionService *service = m_services.transactionService;
        outcome = isNewEntry ? service->create(entry) : service->update(entry);
    }
    switch (outcome) {
    case TransactionService::Outcome::Saved:
        break;
    case TransactionService::Outcome::AccountNotFound:
        return refuse(tr("Transfer account not found"));
    case TransactionService::Outcome::TransferToSameAccount:
        return refuse(tr("Cannot transfer to the same account"));
    case TransactionService::Outcome::CurrencyMismatch:
        emit errorMessage(tr("Transfers require both accounts to use the same currency"));
        return refuse(QString());
    case TransactionService::Outcome::TransferAccountChanged:
        return refuse(tr("To move a transfer to another account, delete it and enter it again"));
    case TransactionService::Outcome::NotFound:
    case TransactionService::Outcome::StorageFailed:
        emit errorMessage(tr("The transaction could not be saved"));
        return refuse(QString());
    }

    if (isNewEntry) {
        m_model->setLastDate(dateToEditText(date));
        reload();
        focusNewEntryRow();
        return;
    }
    reload();
    if (editingRow < m_model->rowCount() - 1)
        m_view->setCurrentIndex(m_model->index(editingRow + 1, RegisterModel::DateColumn));
}

void RegisterScreen::deleteCurrentRow()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    if (m_model->isBlankRow(current.row())) {
        if (QWidget *editor = m_view->editorAt(current))
            m_view->closeEditorQuietly(editor);
        m_model->setEditingRow(-1);
        m_model->clearPendingEdit();
        m_model->setPendingEdit(m_model->pendingEdit());
        const QModelIndex blank = m_model->index(m_model->blankRow(), RegisterModel::DateColumn);
        m_view->setCurrentIndex(blank);
        openEditorAt(blank);
        showHint(tr("Fields cleared"), 3000);
        return;
    }
    deleteRow(current.row());
}

void RegisterScreen::deleteRow(int row)
{
    const RegisterRow *record = m_model->registerRow(row);
    if (!record)
        return;
    if (record->transaction.id.isEmpty()) {
        showHint(tr("The opening balance belongs to the account: change it in the account's settings"), 3000);
        return;
    }
    const Transaction transaction = record->transaction;
    const std::optional<Account> account = m_services.accountRepository->findById(m_accountId);
    const Currency currency = account ? account->currency : Currency::USD;
    const QString amount = formatMoney(qAbs(transaction.amount), currency);
    const QString question =
        transaction.transferLinkId.isEmpty()
            ? tr("Delete \"%1\" for %2?").arg(transaction.payee, amount)
            : tr("Delete transfer \"%1\" for %2?\n\nBoth sides of the transfer will be deleted.")
                  .arg(transaction.payee, amount);
    if (QMessageBox::question(this, tr("Delete Transaction"), question, QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::Yes)
        return;

    if (QWidget *editor = m_view->editorAt(m_view->currentIndex()))
        m_view->closeEditorQuietly(editor);
    m_writing = true;
    const TransactionService::Outcome outcome = m_services.transactionService->remove(transaction.id);
    m_writing = false;
    if (outcome != TransactionService::Outcome::Saved)
        emit errorMessage(tr("The transaction could not be deleted"));
    reload();
}

void RegisterScreen::copyFromAbove()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid() || current.row() == 0 || !m_model->flags(current).testFlag(Qt::ItemIsEditable))
        return;
    const QVariant value = m_model->index(current.row() - 1, current.column()).data(Qt::EditRole);
    m_model->setData(current, value, Qt::EditRole);
    QWidget *editor = m_view->editorAt(current);
    if (!editor)
        return;
    const QString text = value.toString();
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        const int found = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (found >= 0)
            combo->setCurrentIndex(found);
        else
            combo->setEditText(text);
    } else if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
        edit->setText(text);
    } else if (auto *payeeEdit = editor->findChild<QLineEdit *>(QStringLiteral("payeeEdit"))) {
        payeeEdit->setText(text);
    }
}

void RegisterScreen::toggleCleared(int row)
{
    const RegisterRow *record = m_model->registerRow(row);
    if (!record || record->transaction.id.isEmpty())
        return;
    // A reconciled row stays reconciled only while it stays cleared.
    const bool cleared = !record->transaction.cleared;
    m_writing = true;
    m_services.transactionService->setCleared(record->transaction.id, cleared,
                                              cleared && record->transaction.reconciled);
    m_writing = false;
    reload();
}

void RegisterScreen::memorize()
{
    const RegisterRow *record = m_model->registerRow(m_view->currentIndex().row());
    if (!record || record->transaction.id.isEmpty())
        return;
    const Transaction &transaction = record->transaction;
    if (!transaction.date.isValid() || transaction.date.year() < 2000) {
        showHint(tr("Cannot memorize: source transaction has an invalid date"), 5000);
        return;
    }
    RecurringTransaction recurring;
    recurring.accountId = transaction.accountId;
    recurring.payee = transaction.payee;
    recurring.memo = transaction.memo;
    recurring.amount = transaction.amount;
    recurring.categoryId = transaction.categoryId;
    recurring.frequency = Frequency::Monthly;
    recurring.startDate = transaction.date;
    recurring.nextDueDate = transaction.date;
    recurring.autoPost = false;
    recurring.isActive = true;
    recurring.transferDestAccountId = transaction.transferDestAccountId;
    recurring.version = 1;
    emit memorizeRequested(recurring);
}

void RegisterScreen::onContextMenu(const QPoint &position)
{
    QMenu menu(this);
    connect(menu.addAction(tr("&Insert New (Ctrl+I)")), &QAction::triggered, this,
            &RegisterScreen::insertNewEntry);
    connect(menu.addAction(tr("&New Transaction... (Ctrl+N)")), &QAction::triggered, this,
            &RegisterScreen::newTransactionDialog);
    const int row = m_view->rowAt(position.y());
    const RegisterRow *record = m_model->registerRow(row);
    if (record && !record->transaction.id.isEmpty()) {
        menu.addSeparator();
        const QString toggleText = record->transaction.cleared ? tr("Mark &Uncleared") : tr("Mark &Cleared");
        connect(menu.addAction(toggleText), &QAction::triggered, this, [this, row] { toggleCleared(row); });
        connect(menu.addAction(tr("&Delete (Ctrl+D)")), &QAction::triggered, this,
                [this, row] { deleteRow(row); });
    }
    menu.exec(m_view->viewport()->mapToGlobal(position));
}
