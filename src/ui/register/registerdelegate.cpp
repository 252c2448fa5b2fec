#include "registerdelegate.h"

#include "registercombobox.h"
#include "registerlineedit.h"
#include "registermodel.h"
#include "tabcompleter.h"
#include "ui/widgets/dateinput.h"
#include "ui/widgets/registerstyle.h"
#include "ui/widgets/smartdateedit.h"

#include "data/accountrepository.h"
#include "data/category.h"
#include "data/categoryrepository.h"
#include "data/money.h"
#include "data/transactionrepository.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

const char payeeMemoEditorName[] = "PayeeMemoEditor";
const char categoryIdProperty[] = "_corvantisCategoryId";
// Marks the line edits inside a composite editor: their keys go to the key handler, but the
// delegate's own editor handling only applies to the editor the view registered.
const char innerEditorProperty[] = "_registerInnerEditor";
// Marks a completer popup: while it is open it receives the keys, and only the register's Ctrl
// shortcuts are taken from it; plain keys (Enter, Tab) stay with the completion.
const char completerPopupProperty[] = "_registerCompleterPopup";
// Marks the category completer's popup: leaving the cell while it is open takes a completion.
const char categoryCompleterProperty[] = "_registerCategoryCompleter";
// Marks the Clr editor, which takes only its flag keys.
const char clearedEditorProperty[] = "_registerClearedEditor";

// Keys that leave a cell or close its completion list.
bool isLeavingKey(int key)
{
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return || key == Qt::Key_Enter;
}

QFont memoFont(const QFont &base)
{
    QFont font = base;
    font.setItalic(true);
    font.setPointSizeF(std::max(7.0, base.pointSizeF() - 1));
    return font;
}

bool readsAsNegative(const QString &text)
{
    if (text.contains(u'('))
        return true;
    QString digits = text;
    digits.remove(u'$').remove(u',').remove(u'(').remove(u')');
    bool ok = false;
    const double value = digits.trimmed().toDouble(&ok);
    return ok && value < 0;
}

} // namespace

RegisterDelegate::RegisterDelegate(const ScreenServices &services, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_services(services)
{
    connect(services.transactionRepository, &TransactionRepository::transactionsChanged, this,
            [this] { m_payees.reset(); });
    connect(services.accountRepository, &AccountRepository::accountsChanged, this,
            [this] { m_payees.reset(); });
}

void RegisterDelegate::setAccountId(const QString &accountId)
{
    if (accountId != m_accountId)
        m_payees.reset();
    m_accountId = accountId;
}

QStringList RegisterDelegate::payeeList() const
{
    if (m_payees)
        return *m_payees;
    QStringList payees = m_services.transactionRepository->payees();
    const auto accounts = m_services.accountRepository->all();
    for (const Account &account : accounts) {
        if (account.id == m_accountId)
            continue;
        const QString entry = QStringLiteral("[Transfer] %1").arg(account.name);
        if (!payees.contains(entry))
            payees.append(entry);
    }
    m_payees = payees;
    return payees;
}

QList<QPair<QString, QString>> RegisterDelegate::categoryItems(const QList<Category> &categories)
{
    QHash<QString, QString> namesById;
    namesById.reserve(categories.size());
    for (const Category &category : categories)
        namesById.insert(category.id, category.name);

    QList<QPair<QString, QString>> items;
    items.reserve(categories.size() + 1);
    items.append({QString(), QString()});
    for (const Category &category : categories) {
        const auto parent =
            category.parentId.isEmpty() ? namesById.cend() : namesById.constFind(category.parentId);
        const QString text = parent != namesById.cend()
                                 ? QStringLiteral("%1 > %2").arg(*parent, category.name)
                                 : category.name;
        items.append({text, category.id});
    }
    return items;
}

void RegisterDelegate::autofillPayee(RegisterModel *model, const QString &payee, QLineEdit *memoEdit) const
{
    if (!model || model->editingRow() != -1 || payee.isEmpty())
        return;
    const std::optional<Transaction> last = m_services.transactionRepository->lastByPayee(payee, m_accountId);
    if (!last)
        return;
    RegisterModel::PendingEdit pending = model->pendingEdit();
    if (last->amount < 0) {
        pending.payment = formatAmount(-last->amount, model->currency());
        pending.deposit.clear();
    } else {
        pending.payment.clear();
        pending.deposit = formatAmount(last->amount, model->currency());
    }
    if (!last->categoryId.isEmpty()) {
        if (const std::optional<Category> category =
                m_services.categoryRepository->findById(last->categoryId)) {
            pending.category = category->name;
            pending.categoryId = category->id;
        }
    }
    // A memo the user has typed already is theirs; only an empty one is filled.
    const bool memoTyped = !pending.memo.isEmpty() || (memoEdit && !memoEdit->text().isEmpty());
    if (!last->memo.isEmpty() && !memoTyped) {
        pending.memo = last->memo;
        if (memoEdit)
            memoEdit->setText(last->memo);
    }
    // Remembered, so that leaving the payee cell with the same payee does not fill again.
    pending.payee = payee;
    model->setPendingEdit(pending);
}

QWidget *RegisterDelegate::createPayeeEditor(QWidget *parent, int row) const
{
    auto *completer = new TabCompleter(payeeList());
    if (!m_twoLine) {
        auto *edit = new RegisterLineEdit(parent);
        completer->setParent(edit);
        edit->setCompleter(completer);
        watchCompleterPopup(completer);
        connect(completer, qOverload<const QString &>(&QCompleter::activated), edit,
                [this, edit, row](const QString &text) {
                    auto *view = qobject_cast<QAbstractItemView *>(edit->parentWidget()->parentWidget());
                    auto *model = view ? qobject_cast<RegisterModel *>(view->model()) : nullptr;
                    if (model && model->isBlankRow(row))
                        autofillPayee(model, text);
                });
        return edit;
    }

    auto *container = new QWidget(parent);
    container->setObjectName(QLatin1String(payeeMemoEditorName));
    container->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *payeeEdit = new RegisterLineEdit(container);
    payeeEdit->setObjectName(QStringLiteral("payeeEdit"));
    completer->setParent(payeeEdit);
    payeeEdit->setCompleter(completer);
    watchCompleterPopup(completer);
    auto *memoEdit = new RegisterLineEdit(container);
    memoEdit->setObjectName(QStringLiteral("memoEdit"));
    memoEdit->setFont(memoFont(QApplication::font()));
    memoEdit->setPlaceholderText(tr("Memo"));
    layout->addWidget(payeeEdit);
    layout->addWidget(memoEdit);
    container->setFocusProxy(payeeEdit);
    for (QWidget *inner : {static_cast<QWidget *>(payeeEdit), static_cast<QWidget *>(memoEdit)}) {
        inner->setFocusPolicy(Qt::ClickFocus);
        watchInnerEditor(inner);
    }
    connect(completer, qOverload<const QString &>(&QCompleter::activated), container,
            [this, container, memoEdit, row](const QString &text) {
                auto *view = qobject_cast<QAbstractItemView *>(container->parentWidget()->parentWidget());
                auto *model = view ? qobject_cast<RegisterModel *>(view->model()) : nullptr;
                if (model && model->isBlankRow(row))
                    autofillPayee(model, text, memoEdit);
            });
    return container;
}

void RegisterDelegate::watchCompleterPopup(QCompleter *completer) const
{
    QWidget *popup = completer->popup();
    popup->setProperty(completerPopupProperty, true);
    watchInnerEditor(popup);
}

void RegisterDelegate::watchInnerEditor(QWidget *widget) const
{
    widget->setProperty(innerEditorProperty, true);
    widget->installEventFilter(const_cast<RegisterDelegate *>(this));
}

QWidget *RegisterDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                        const QModelIndex &index) const
{
    QWidget *editor = nullptr;
    switch (index.column()) {
    case RegisterModel::DateColumn:
        editor = new SmartDateEdit(parent);
        break;
    case RegisterModel::PayeeColumn:
        editor = createPayeeEditor(parent, index.row());
        break;
    case RegisterModel::CategoryColumn: {
        auto *combo = new RegisterComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        const auto items = categoryItems(m_services.categoryRepository->all());
        for (const auto &[text, id] : items)
            combo->addItem(text, id);
        auto *completer = new TabCompleter(combo->model(), combo);
        combo->setCompleter(completer);
        watchCompleterPopup(completer);
        completer->popup()->setProperty(categoryCompleterProperty, QVariant::fromValue<QObject *>(completer));
        connect(completer, qOverload<const QString &>(&QCompleter::activated), combo,
                [combo](const QString &text) {
                    const int found = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
                    if (found >= 0)
                        combo->setCurrentIndex(found);
                });
        connect(combo, &QComboBox::currentIndexChanged, combo,
                [combo](int current) { combo->setProperty(categoryIdProperty, combo->itemData(current)); });
        combo->setProperty(categoryIdProperty, combo->itemData(combo->currentIndex()));
        if (combo->lineEdit())
            watchInnerEditor(combo->lineEdit());
        editor = combo;
        break;
    }
    case RegisterModel::PaymentColumn:
    case RegisterModel::DepositColumn: {
        auto *edit = new RegisterLineEdit(parent);
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        editor = edit;
        break;
    }
    case RegisterModel::ClearedColumn: {
        auto *edit = new RegisterLineEdit(parent);
        edit->setMaxLength(1);
        edit->setAlignment(Qt::AlignCenter);
        edit->setProperty(clearedEditorProperty, true);
        // What the flag keys do not decide, pasting for one, is held to the flags too.
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[CcRr]?")), edit));
        editor = edit;
        break;
    }
    case RegisterModel::BalanceColumn:
        return nullptr;
    default:
        editor = new RegisterLineEdit(parent);
        break;
    }
    editor->setFocusPolicy(Qt::ClickFocus);
    return editor;
}

void RegisterDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString value = index.data(Qt::EditRole).toString();
    if (auto *dateEdit = qobject_cast<SmartDateEdit *>(editor)) {
        const QDate date = QDate::fromString(value, QStringLiteral("M/d/yyyy"));
        if (date.isValid())
            dateEdit->setDate(date);
        return;
    }
    if (editor->objectName() == QLatin1String(payeeMemoEditorName)) {
        if (auto *payeeEdit = editor->findChild<QLineEdit *>(QStringLiteral("payeeEdit")))
            payeeEdit->setText(value);
        if (auto *memoEdit = editor->findChild<QLineEdit *>(QStringLiteral("memoEdit")))
            memoEdit->setText(index.siblingAtColumn(RegisterModel::MemoColumn).data(Qt::EditRole).toString());
        return;
    }
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        const int found = combo->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (found >= 0)
            combo->setCurrentIndex(found);
        else
            combo->setEditText(value);
        return;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(editor))
        edit->setText(value);
}

void RegisterDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                    const QModelIndex &index) const
{
    auto *registerModel = qobject_cast<RegisterModel *>(model);
    if (auto *dateEdit = qobject_cast<SmartDateEdit *>(editor)) {
        QDate date = dateFromEditText(dateEdit->text().trimmed());
        if (!date.isValid())
            date = dateEdit->date();
        model->setData(index, dateToEditText(date), Qt::EditRole);
        return;
    }
    // Autofill only when the payee really changed: leaving the payee cell again must not overwrite
    // an amount the user has typed since.
    const auto payeeChanged = [registerModel](const QString &payee) {
        return registerModel && registerModel->pendingEdit().payee.trimmed() != payee;
    };
    if (editor->objectName() == QLatin1String(payeeMemoEditorName)) {
        auto *payeeEdit = editor->findChild<QLineEdit *>(QStringLiteral("payeeEdit"));
        auto *memoEdit = editor->findChild<QLineEdit *>(QStringLiteral("memoEdit"));
        if (!registerModel || !payeeEdit || !memoEdit)
            return;
        const QString payee = payeeEdit->text().trimmed();
        const bool changed = payeeChanged(payee);
        RegisterModel::PendingEdit pending = registerModel->pendingEdit();
        pending.memo = memoEdit->text();
        pending.payee = payeeEdit->text();
        registerModel->setPendingEdit(pending);
        if (changed && registerModel->isBlankRow(index.row()))
            autofillPayee(registerModel, payee);
        return;
    }
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        const QString text = combo->currentText();
        model->setData(index, text, Qt::EditRole);
        // The current item only counts when the text still names it: typing over an item's text
        // leaves the combo's current index where it was.
        QString categoryId;
        const int found = combo->itemText(combo->currentIndex()) == text
                              ? combo->currentIndex()
                              : combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (found >= 0)
            categoryId = combo->itemData(found).toString();
        if (registerModel)
            registerModel->setPendingCategoryId(categoryId);
        return;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
        const bool changed =
            index.column() == RegisterModel::PayeeColumn && payeeChanged(edit->text().trimmed());
        model->setData(index, edit->text(), Qt::EditRole);
        if (changed && registerModel && registerModel->isBlankRow(index.row()))
            autofillPayee(registerModel, edit->text().trimmed());
    }
}

QSize RegisterDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (m_twoLine)
        size.setHeight(twoLineHeight);
    return size;
}

void RegisterDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                            const QModelIndex &index) const
{
    if (!m_twoLine) {
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
        return;
    }
    if (index.column() == RegisterModel::PayeeColumn) {
        editor->setGeometry(option.rect);
        return;
    }
    QRect top = option.rect;
    top.setHeight(std::min(oneLineHeight, option.rect.height()));
    editor->setGeometry(top);
}

void RegisterDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    if (!m_twoLine) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }

    QStyleOptionViewItem itemOption(option);
    initStyleOption(&itemOption, index);
    const QString text = itemOption.text;
    itemOption.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    const QPalette &palette = option.palette;
    const QBrush secondLineBackground = index.row() % 2 ? palette.alternateBase() : palette.base();
    const QRect cell = option.rect;
    const bool selected = option.state.testFlag(QStyle::State_Selected);

    if (index.column() == RegisterModel::PayeeColumn) {
        style->drawControl(QStyle::CE_ItemViewItem, &itemOption, painter, widget);
    } else {
        QStyleOptionViewItem topOption(itemOption);
        topOption.rect.setHeight(oneLineHeight);
        style->drawControl(QStyle::CE_ItemViewItem, &topOption, painter, widget);
        painter->fillRect(
            QRect(cell.left(), cell.top() + oneLineHeight, cell.width(), cell.height() - oneLineHeight),
            secondLineBackground);
    }

    const QRect textRect = cell.adjusted(4, 0, -4, 0);
    const QRect topLine(textRect.left(), textRect.top(), textRect.width(), oneLineHeight);

    painter->save();
    QColor pen = palette.color(QPalette::Text);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    if (selected)
        pen = palette.color(QPalette::HighlightedText);
    else if (foreground.canConvert<QBrush>() && foreground.isValid())
        pen = foreground.value<QBrush>().color();
    if (index.column() == RegisterModel::BalanceColumn && !selected && readsAsNegative(text))
        pen = negativeColor();
    painter->setPen(pen);
    painter->setFont(itemOption.font);

    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    if (index.column() == RegisterModel::PaymentColumn || index.column() == RegisterModel::DepositColumn ||
        index.column() == RegisterModel::BalanceColumn)
        alignment = Qt::AlignRight | Qt::AlignVCenter;
    else if (index.column() == RegisterModel::ClearedColumn)
        alignment = Qt::AlignHCenter | Qt::AlignVCenter;
    painter->drawText(topLine, int(alignment),
                      painter->fontMetrics().elidedText(text, Qt::ElideRight, topLine.width()));

    if (index.column() == RegisterModel::PayeeColumn || index.column() == RegisterModel::CategoryColumn) {
        const QString memo =
            index.siblingAtColumn(RegisterModel::MemoColumn).data(Qt::DisplayRole).toString();
        const bool isPlaceholder =
            index.siblingAtColumn(RegisterModel::MemoColumn).data(Qt::EditRole).toString().isEmpty();
        if (!memo.isEmpty() && !isPlaceholder) {
            painter->setFont(memoFont(option.font));
            painter->setPen(selected ? palette.color(QPalette::HighlightedText) : secondaryTextColor());
            // The memo runs from the payee column across the category column; each of the two
            // cells paints its own part of the one line, so the halves join up.
            QRect memoRect(textRect.left(), cell.top() + oneLineHeight, textRect.width(),
                           cell.height() - oneLineHeight);
            if (const auto *view = qobject_cast<const QAbstractItemView *>(widget)) {
                const QRect payeeCell = view->visualRect(index.siblingAtColumn(RegisterModel::PayeeColumn));
                const QRect categoryCell =
                    view->visualRect(index.siblingAtColumn(RegisterModel::CategoryColumn));
                memoRect.setLeft(payeeCell.left() + 4);
                if (categoryCell.isValid())
                    memoRect.setRight(categoryCell.right() - 4);
                painter->setClipRect(cell);
            }
            painter->drawText(memoRect, Qt::AlignLeft | Qt::AlignVCenter,
                              painter->fontMetrics().elidedText(memo, Qt::ElideRight, memoRect.width()));
        }
    }
    painter->restore();
}

bool RegisterDelegate::setClearedFlag(QLineEdit *edit, const QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint() ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    // C cleared, R reconciled, Space neither; each replaces the flag there was. Any other
    // character is swallowed: "3" is no flag.
    const QString key = text.toUpper();
    if (key == u"C" || key == u"R")
        edit->setText(key);
    else if (key == u" ")
        edit->clear();
    return true;
}

void RegisterDelegate::takeCategoryCompletion(QCompleter *completer) const
{
    QAbstractItemView *popup = completer->popup();
    // A combo box makes itself the completer's widget; its line edit is the one typed into.
    QWidget *widget = completer->widget();
    auto *combo = qobject_cast<QComboBox *>(widget);
    if (!combo && widget)
        combo = qobject_cast<QComboBox *>(widget->parentWidget());
    if (!combo || !popup->isVisible())
        return;
    const QAbstractItemModel *offered = completer->completionModel();
    const auto offeredText = [&](int row) {
        return offered->index(row, completer->completionColumn())
            .data(completer->completionRole())
            .toString();
    };
    QString chosen;
    if (popup->currentIndex().isValid()) {
        chosen = offeredText(popup->currentIndex().row());
    } else {
        // Nothing highlighted: what was typed when it is offered whole (as a name or "Parent >
        // Name"), otherwise the first offer.
        const QString typed = combo->currentText().trimmed();
        for (int row = 0; row < offered->rowCount() && chosen.isEmpty(); ++row) {
            const QString text = offeredText(row);
            if (text.compare(typed, Qt::CaseInsensitive) == 0 ||
                text.endsWith(QStringLiteral(" > ") + typed, Qt::CaseInsensitive))
                chosen = text;
        }
        if (chosen.isEmpty() && offered->rowCount() > 0)
            chosen = offeredText(0);
    }
    popup->hide();
    const int found = combo->findText(chosen, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found < 0)
        return;
    combo->setCurrentIndex(found);
    // The current item may have been this one already, under a text typed over it.
    combo->setEditText(combo->itemText(found));
}

bool RegisterDelegate::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && isLeavingKey(static_cast<QKeyEvent *>(event)->key())) {
        // Leaving the category cell (Tab, Enter, Ctrl+Enter) with its list open takes the
        // highlighted or best completion rather than a fragment such as "Gro"; the key then goes
        // on as usual. The list gets the keys first; the line edit when they are sent to it.
        QCompleter *completer =
            qobject_cast<QCompleter *>(object->property(categoryCompleterProperty).value<QObject *>());
        if (auto *edit = qobject_cast<QLineEdit *>(object);
            !completer && edit && edit->completer() &&
            edit->completer()->popup()->property(categoryCompleterProperty).isValid())
            completer = edit->completer();
        if (completer)
            takeCategoryCompletion(completer);
    }
    if (object->property(completerPopupProperty).toBool() &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
        !static_cast<QKeyEvent *>(event)->modifiers().testFlag(Qt::ControlModifier))
        return false;
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) && m_keyHandler &&
        m_keyHandler->eventFilter(object, event))
        return true;
    if (event->type() == QEvent::KeyPress && object->property(clearedEditorProperty).toBool() &&
        setClearedFlag(static_cast<QLineEdit *>(object), static_cast<QKeyEvent *>(event)))
        return true;
    if (object->property(innerEditorProperty).toBool())
        return false;
    return QStyledItemDelegate::eventFilter(object, event);
}
