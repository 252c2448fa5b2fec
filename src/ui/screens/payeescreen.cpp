#include "payeescreen.h"

#include "data/transactionrepository.h"
#include "services/payeeservice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

PayeeScreen::PayeeScreen(const ScreenServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
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
    m_list->addItems(m_services.transactionRepository->payees());
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

std::optional<int> PayeeScreen::renamePayees(const QStringList &oldNames, const QString &newName)
{
    const std::optional<int> changed = m_services.payeeService->renamePayees(oldNames, newName);
    if (!changed)
        QMessageBox::warning(this, tr("Rename Failed"),
                             tr("The payees could not be renamed. Nothing was changed."));
    return changed;
}

void PayeeScreen::onRename()
{
    const QString newName = m_renameEdit->text().trimmed();
    const QStringList selected = selectedPayees();
    if (newName.isEmpty() || selected.isEmpty())
        return;
    const std::optional<int> changed = renamePayees(selected, newName);
    if (!changed)
        return;
    QMessageBox::information(this, tr("Rename Complete"),
                             tr("Renamed %n transaction(s).", nullptr, *changed));
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
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    const std::optional<int> changed = renamePayees(selected, target);
    if (!changed)
        return;
    QMessageBox::information(this, tr("Merge Complete"), tr("Merged %n transaction(s).", nullptr, *changed));
    reload();
    emit payeesChanged();
}
