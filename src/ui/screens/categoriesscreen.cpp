#include "categoriesscreen.h"

#include "categorytreemodel.h"
#include "data/categoryrepository.h"
#include "services/categoryservice.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTreeView>
#include <QVBoxLayout>

CategoriesScreen::CategoriesScreen(CategoryRepository *categories, QWidget *parent)
    : QWidget(parent)
    , m_categories(categories)
    , m_categoryService(new CategoryService(categories, this))
    , m_model(new CategoryTreeModel(this))
    , m_view(new QTreeView(this))
    , m_newButton(new QPushButton(tr("+ New Category"), this))
{
    auto *title = new QLabel(tr("Categories"), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(16);
    titleFont.setWeight(QFont::Bold);
    title->setFont(titleFont);
    m_newButton->setObjectName(QStringLiteral("newCategoryButton"));
    m_view->setObjectName(QStringLiteral("categoryTree"));

    auto *header = new QHBoxLayout;
    header->addWidget(title);
    header->addStretch(1);
    header->addWidget(m_newButton);

    m_view->setModel(m_model);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->header()->setSectionResizeMode(CategoryTreeModel::NameColumn, QHeaderView::Stretch);
    m_view->header()->setSectionResizeMode(CategoryTreeModel::TypeColumn, QHeaderView::ResizeToContents);
    m_view->header()->setSectionResizeMode(CategoryTreeModel::TaxCodeColumn, QHeaderView::ResizeToContents);
    m_view->header()->setStretchLastSection(false);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(m_view, 1);

    connect(m_newButton, &QPushButton::clicked, this, &CategoriesScreen::onCreateCategory);
    connect(m_view, &QWidget::customContextMenuRequested, this, &CategoriesScreen::onContextMenu);
    // The keyboard way to what the context menu offers.
    auto *rename = new QShortcut(QKeySequence(Qt::Key_F2), m_view, nullptr, nullptr, Qt::WidgetShortcut);
    connect(rename, &QShortcut::activated, this, &CategoriesScreen::onEditCategory);
    auto *remove = new QShortcut(QKeySequence::Delete, m_view, nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, &CategoriesScreen::onDeleteCategory);
    auto *create = new QShortcut(QKeySequence::New, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(create, &QShortcut::activated, this, &CategoriesScreen::onCreateCategory);

    reload();
}

CategoriesScreen::~CategoriesScreen() = default;

void CategoriesScreen::reload()
{
    const Category *current = m_model->category(m_view->currentIndex());
    const QString currentId = current ? current->id : QString();
    m_model->load(m_categories->all());
    m_view->expandAll();
    const QModelIndex index = m_model->indexOf(currentId);
    if (index.isValid())
        m_view->setCurrentIndex(index);
}

void CategoriesScreen::onCreateCategory()
{
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("New Category"), tr("Category name:"),
                                               QLineEdit::Normal, QString(), &ok)
                             .trimmed();
    if (!ok || name.isEmpty())
        return;
    // Two levels only: under a selected top-level category, otherwise at the top. It takes the
    // type of the heading it lands under (expense with nothing selected), so an income category
    // can be made and a sub-category of one is income too.
    QString parentId;
    const QModelIndex current = m_view->currentIndex();
    const Category *selected = m_model->category(current);
    if (selected && m_model->isTopLevelCategory(current) && selected->parentId.isEmpty())
        parentId = selected->id;
    const CategoryType type = current.isValid() ? m_model->headingType(current) : CategoryType::Expense;
    if (const std::optional<Category> category = m_categoryService->addCategory(name, type, parentId)) {
        reload();
        m_view->setCurrentIndex(m_model->indexOf(category->id));
    }
}

void CategoriesScreen::onEditCategory()
{
    const Category *selected = m_model->category(m_view->currentIndex());
    if (!selected)
        return;
    const QString id = selected->id;
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("Edit Category"), tr("Category name:"),
                                               QLineEdit::Normal, selected->name, &ok)
                             .trimmed();
    if (!ok || name.isEmpty())
        return;
    m_categoryService->renameCategory(id, name);
    reload();
}

void CategoriesScreen::onDeleteCategory()
{
    const Category *selected = m_model->category(m_view->currentIndex());
    if (!selected)
        return;
    const QString id = selected->id;
    if (QMessageBox::question(this, tr("Delete Category"),
                              tr("Delete \"%1\"? Transactions using this category will become uncategorized.")
                                  .arg(selected->name),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    m_categoryService->deleteCategory(id);
    reload();
}

void CategoriesScreen::onContextMenu(const QPoint &position)
{
    const QModelIndex index = m_view->indexAt(position);
    if (index.isValid())
        m_view->setCurrentIndex(index);
    else
        m_view->setCurrentIndex({});
    QMenu menu(this);
    connect(menu.addAction(tr("&New Category")), &QAction::triggered, this,
            &CategoriesScreen::onCreateCategory);
    if (m_model->category(index)) {
        connect(menu.addAction(tr("&Edit")), &QAction::triggered, this, &CategoriesScreen::onEditCategory);
        connect(menu.addAction(tr("&Delete")), &QAction::triggered, this,
                &CategoriesScreen::onDeleteCategory);
    }
    menu.exec(m_view->viewport()->mapToGlobal(position));
}
