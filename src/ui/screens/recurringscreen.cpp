#include "recurringscreen.h"

#include "data/recurringrepository.h"
#include "recurringmodel.h"
#include "services/recurringservice.h"
#include "ui/dialogs/recurringformdialog.h"
#include "ui/widgets/registerstyle.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

RecurringScreen::RecurringScreen(const ScreenServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_model(new RecurringModel(services.accountRepository, this))
    , m_view(new QTableView(this))
    , m_dueLabel(new QLabel(this))
    , m_confirmAllButton(new QPushButton(tr("Confirm All Due"), this))
    , m_newButton(new QPushButton(tr("New Recurring"), this))
{
    auto *title = new QLabel(tr("Recurring Transactions"), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(16);
    titleFont.setWeight(QFont::Bold);
    title->setFont(titleFont);
    QFont dueFont = m_dueLabel->font();
    dueFont.setBold(true);
    m_dueLabel->setFont(dueFont);
    m_dueLabel->setObjectName(QStringLiteral("dueLabel"));
    m_confirmAllButton->setObjectName(QStringLiteral("confirmAllButton"));
    m_newButton->setObjectName(QStringLiteral("newButton"));
    m_view->setObjectName(QStringLiteral("recurringView"));

    auto *header = new QHBoxLayout;
    header->addWidget(title);
    header->addWidget(m_dueLabel);
    header->addStretch(1);
    header->addWidget(m_confirmAllButton);
    header->addWidget(m_newButton);

    m_view->setModel(m_model);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->verticalHeader()->setVisible(false);
    m_view->setWordWrap(false);
    for (int column = 0; column < RecurringModel::ColumnCount; ++column)
        m_view->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    m_view->horizontalHeader()->setSectionResizeMode(RecurringModel::PayeeColumn, QHeaderView::Stretch);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(m_view, 1);

    connect(m_confirmAllButton, &QPushButton::clicked, this, &RecurringScreen::confirmAllDue);
    connect(m_newButton, &QPushButton::clicked, this, &RecurringScreen::showNewForm);
    connect(m_view, &QWidget::customContextMenuRequested, this, &RecurringScreen::onContextMenu);
    connect(m_view, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { showEditForm(index.row()); });
    // The keyboard way to what the mouse does: Enter edits, Delete deletes.
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto *edit = new QShortcut(key, m_view, nullptr, nullptr, Qt::WidgetShortcut);
        connect(edit, &QShortcut::activated, this, [this] { showEditForm(m_view->currentIndex().row()); });
    }
    auto *remove = new QShortcut(QKeySequence::Delete, m_view, nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, &RecurringScreen::deleteSelected);

    reload();
}

RecurringScreen::~RecurringScreen() = default;

void RecurringScreen::reload()
{
    const int row = m_view->currentIndex().row();
    m_model->load(m_services.recurringService->all());
    if (row >= 0 && m_model->rowCount() > 0)
        m_view->selectRow(qMin(row, m_model->rowCount() - 1));
    const int due = m_services.recurringService->pendingCount();
    if (due < 1) {
        m_dueLabel->clear();
    } else {
        m_dueLabel->setText(tr("(%1 due)").arg(due));
        m_dueLabel->setStyleSheet(QStringLiteral("color: %1;").arg(incomeTextColor().name()));
    }
}

QString RecurringScreen::dueCountText() const
{
    return m_dueLabel->text();
}

void RecurringScreen::showNewForm()
{
    RecurringFormDialog form(m_services, this);
    if (form.exec() != QDialog::Accepted)
        return;
    m_services.recurringService->add(form.recurring());
    reload();
}

void RecurringScreen::showEditForm(int row)
{
    const RecurringTransaction *item = m_model->item(row);
    if (!item)
        return;
    RecurringFormDialog form(m_services, this);
    form.setRecurring(*item);
    if (form.exec() != QDialog::Accepted)
        return;
    m_services.recurringRepository->update(form.recurring());
    reload();
}

void RecurringScreen::confirmAllDue()
{
    if (m_services.recurringService->confirmAllDue() > 0) {
        emit transactionsChanged();
        reload();
    }
}

void RecurringScreen::confirmRow(int row)
{
    const RecurringTransaction *item = m_model->item(row);
    if (!item || !RecurringModel::isDue(*item))
        return;
    const QString id = item->id;
    if (m_services.recurringService->confirm(id))
        emit transactionsChanged();
    reload();
}

void RecurringScreen::skipRow(int row)
{
    const RecurringTransaction *item = m_model->item(row);
    if (!item || !RecurringModel::isDue(*item))
        return;
    m_services.recurringService->skip(item->id);
    reload();
}

void RecurringScreen::deleteRow(int row)
{
    const RecurringTransaction *item = m_model->item(row);
    if (!item)
        return;
    const QString id = item->id;
    if (QMessageBox::question(this, tr("Delete"), tr("Delete recurring \"%1\"?").arg(item->payee),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    m_services.recurringRepository->softDelete(id);
    reload();
}

void RecurringScreen::confirmSelected()
{
    confirmRow(m_view->currentIndex().row());
}

void RecurringScreen::skipSelected()
{
    skipRow(m_view->currentIndex().row());
}

void RecurringScreen::deleteSelected()
{
    deleteRow(m_view->currentIndex().row());
}

void RecurringScreen::onContextMenu(const QPoint &position)
{
    const QModelIndex index = m_view->indexAt(position);
    const RecurringTransaction *item = m_model->item(index.row());
    if (!item)
        return;
    const int row = index.row();
    const bool due = RecurringModel::isDue(*item);
    QMenu menu(this);
    connect(menu.addAction(tr("&Edit")), &QAction::triggered, this, [this, row] { showEditForm(row); });
    QAction *confirm = menu.addAction(tr("&Confirm"));
    confirm->setEnabled(due);
    connect(confirm, &QAction::triggered, this, [this, row] { confirmRow(row); });
    QAction *skip = menu.addAction(tr("&Skip"));
    skip->setEnabled(due);
    connect(skip, &QAction::triggered, this, [this, row] { skipRow(row); });
    connect(menu.addAction(tr("&Delete")), &QAction::triggered, this, [this, row] { deleteRow(row); });
    menu.exec(m_view->viewport()->mapToGlobal(position));
}
