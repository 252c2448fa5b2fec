#include "payeescreen.h"

#include "app/appstate.h"
#include "data/database.h"
#include "data/datetext.h"
#include "data/repositorysupport.h"
#include "data/sqltransaction.h"
#include "data/transactionrepository.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlQuery>
#include <QVBoxLayout>

PayeeScreen::PayeeScreen(AppState *appState, QWidget *parent)
    : QWidget(parent)
    , m_appState(appState)
    , m_list(new QListWidget(this))
    , m_renameEdit(new QLineEdit(this))
    , m_renameButton(new QPushButton(tr("Rename Selected"), this))
    , m_mergeButton(new QPushButton(tr("Merge Selected"), this))
{
    auto *title = new QLabel(tr("Payee Management"), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(16);
    titleFont.setWeight(QFont::Bold);
    title->setFont(titleFont);

    m_list->setObjectName(QStringLiteral("payeeList"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_renameEdit->setObjectName(QStringLiteral("renameEdit"));
    m_renameButton->setObjectName(QStringLiteral("renameButton"));
    m_mergeButton->setObjectName(QStringLiteral("mergeButton"));

    auto *row = new QHBoxLayout;
    auto *renameLabel = new QLabel(tr("Rename &to:"), this);
    renameLabel->setBuddy(m_renameEdit);
    row->addWidget(renameLabel);
    row->addWidget(m_renameEdit, 1);
    row->addWidget(m_renameButton);
    row->addWidget(m_mergeButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_list, 1);
    layout->addLayout(row);

    connect(m_renameButton, &QPushButton::clicked, this, &PayeeScreen::onRename);
    connect(m_mergeButton, &QPushButton::clicked, this, &PayeeScreen::onMerge);
    connect(m_renameEdit, &QLineEdit::returnPressed, this, &PayeeScreen::onRename);

    reload();
}

PayeeScreen::~PayeeScreen() = default;

void PayeeScreen::reload()
{
    m_list->clear();
    m_list->addItems(m_appState->transactionRepository()->payees());
}

QStringList PayeeScreen::selectedPayees() const
{
    // In list order, so that "the first selected" does not depend on the order of the clicks.
    QStringList payees;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->isSelected())
            payees.append(m_list->item(row)->text());
    }
    return payees;
}

int PayeeScreen::renamePayees(const QStringList &oldNames, const QString &newName)
{
    Database *database = m_appState->database();
    // The same timestamp text as every other writer: restore cut-offs and the backup's keep-newer
    // mode compare these values as text.
    const QString now = timestampToText(currentTimestamp());
    SqlTransaction guard(database->connection());
    int changed = 0;
    for (const QString &oldName : oldNames) {
        if (oldName == newName)
            continue;
        QSqlQuery query = RepositorySupport::prepare(database,
                                  QStringLiteral("UPDATE transactions SET payee = ?, updated_at = ?, sync_status = "
                                                 "'pending' WHERE payee = ? AND deleted_at IS NULL"));
        query.addBindValue(newName);
        query.addBindValue(now);
        query.addBindValue(oldName);
        if (!query.exec()) {
            RepositorySupport::logFailure("PayeeScreen::renamePayees", query);
            continue;
        }
        changed += query.numRowsAffected();
    }
    if (!guard.commit())
        return 0;
    return changed;
}

void PayeeScreen::onRename()
{
    const QString newName = m_renameEdit->text().trimmed();
    const QStringList selected = selectedPayees();
    if (newName.isEmpty() || selected.isEmpty())
        return;
    const int changed = renamePayees(selected, newName);
    QMessageBox::information(this, tr("Rename Complete"), tr("Renamed %n transaction(s).", nullptr, changed));
    reload();
    emit payeesChanged();
}

void PayeeScreen::onMerge()
{
    const QStringList selected = selectedPayees();
    if (selected.size() < 2) {
        QMessageBox::information(this, tr("Merge"), tr("Select 2 or more payees to merge."));
        return;
    }
    QString target = m_renameEdit->text().trimmed();
    if (target.isEmpty())
        target = selected.first();
    if (QMessageBox::question(this, tr("Merge Payees"),
                              tr("Merge %1 payees into \"%2\"?").arg(selected.size()).arg(target),
                              QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    const int changed = renamePayees(selected, target);
    QMessageBox::information(this, tr("Merge Complete"), tr("Merged %n transaction(s).", nullptr, changed));
    reload();
    emit payeesChanged();
}
