#include "settingsscreen.h"

#include "account/authclient.h"
#include "account/cloudconfiguration.h"
#include "data/account.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/datetext.h"
#include "data/preferencesrepository.h"
#include "data/weekstartday.h"
#include "services/accountservice.h"
#include "services/backupservice.h"
#include "services/updatestartup.h"
#include "sync/syncengine.h"
#include "ui/widgets/registerstyle.h"
#include "ui/widgets/thememanager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSaveFile>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QStyle>

#include <memory>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QString themeKey = QStringLiteral("theme");
const QString weekStartKey = QStringLiteral("weekStartDay");
const QString twoLineKey = QStringLiteral("registerTwoLine");
const QString newestFirstKey = QStringLiteral("registerNewestFirst");

QPixmap glyphPixmap(ushort codePoint, const QColor &color)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font = iconFont();
    font.setPixelSize(20);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(QChar(codePoint)));
    return pixmap;
}

// A bold title, a muted description and the controls in a frame.
QWidget *section(QWidget *parent, const QString &title, const QString &description, QLayout *controls)
{
    auto *widget = new QWidget(parent);
    auto *layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 12);
    auto *titleLabel = new QLabel(title, widget);
    QFont font = titleLabel->font();
    font.setBold(true);
    titleLabel->setFont(font);
    layout->addWidget(titleLabel);
    if (!description.isEmpty()) {
        auto *descriptionLabel = new QLabel(description, widget);
        descriptionLabel->setStyleSheet(QStringLiteral("color: %1;").arg(secondaryTextColor().name()));
        descriptionLabel->setWordWrap(true);
        layout->addWidget(descriptionLabel);
    }
    auto *frame = new QFrame(widget);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setLayout(controls);
    layout->addWidget(frame);
    return widget;
}

QWidget *page(QWidget *parent, const QList<QWidget *> &sections)
{
    auto *scroll = new QScrollArea(parent);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *content = new QWidget(scroll);
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(20, 16, 20, 16);
    for (QWidget *each : sections) {
        each->setParent(content);
        layout->addWidget(each);
    }
    layout->addStretch(1);
    scroll->setWidget(content);
    return scroll;
}

QLabel *hint(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(secondaryTextColor().name()));
    label->setWordWrap(true);
    return label;
}

} // namespace

SettingsScreen::SettingsScreen(const ScreenServices &services, std::unique_ptr<SettingsHost> host,
                               QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_host(std::move(host))
    , m_sidebar(new QListWidget(this))
    , m_pages(new QStackedWidget(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_sidebar->setObjectName(QStringLiteral("settingsSidebar"));
    m_sidebar->setSpacing(2);
    m_sidebar->setIconSize(QSize(20, 20));
    m_sidebar->addItems({tr("General"), tr("Register"), tr("Data & Sync"), tr("About")});
    // 180 px, or as wide as the longest page name needs in this language (German runs long):
    // the list's and the item's padding, the icon and its gap around the text.
    int widestName = 0;
    for (int row = 0; row < m_sidebar->count(); ++row)
        widestName =
            qMax(widestName, m_sidebar->fontMetrics().horizontalAdvance(m_sidebar->item(row)->text()));
    m_sidebar->setFixedWidth(qMax(180, widestName + 2 * 8 + 2 * 12 + 20 + 12 + 8));
    layout->addWidget(m_sidebar);
    layout->addWidget(m_pages, 1);

    m_pages->addWidget(buildGeneralPage());
    m_pages->addWidget(buildRegisterPage());
    m_pages->addWidget(buildDataPage());
    m_pages->addWidget(buildAboutPage());
    applySidebarStyle();

    connect(m_sidebar, &QListWidget::currentRowChanged, this, &SettingsScreen::onCategoryChanged);
    m_sidebar->setCurrentRow(GeneralPage);
    // Signing in or out (in the main window, or by changing the server) shows here at once.
    // Signing in or out (in the main window, or by changing the server) shows here at once. A
    // user fetch of a replaced client may never answer; the new client's user is fetched anew.
    m_host->watchCloud(
        [this] {
            if (isVisible())
                refresh();
        },
        [this] { m_fetchingUser = false; });
    refresh();
}

SettingsScreen::~SettingsScreen()
{
    // Closing the window takes the focus from the server field, which applies what was typed
    // there: hide it while the host that applies it is still here.
    if (isVisible())
        hide();
}

QSize SettingsScreen::sizeHint() const
{
    // Wide enough for the widest page without a horizontal scroll bar, whatever the language.
    int pageWidth = 0;
    for (int index = 0; index < m_pages->count(); ++index) {
        if (const auto *scroll = qobject_cast<QScrollArea *>(m_pages->widget(index));
            scroll && scroll->widget())
            pageWidth = qMax(pageWidth, scroll->widget()->minimumSizeHint().width());
    }
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return QWidget::sizeHint().expandedTo(QSize(m_sidebar->width() + pageWidth + scrollBar, 0));
}

int SettingsScreen::currentPage() const
{
    return m_pages->currentIndex();
}

QWidget *SettingsScreen::buildGeneralPage()
{
    PreferencesRepository *preferences = m_services.preferencesRepository;

    m_themeCombo = new QComboBox(this);
    m_themeCombo->setObjectName(QStringLiteral("themeCombo"));
    m_themeCombo->addItem(tr("System Default"), QStringLiteral("system"));
    m_themeCombo->addItem(tr("Light"), QStringLiteral("light"));
    m_themeCombo->addItem(tr("Dark"), QStringLiteral("dark"));
    m_themeCombo->setCurrentIndex(
        qMax(0, m_themeCombo->findData(preferences->value(themeKey, QStringLiteral("system")))));
    auto *appearance = new QFormLayout;
    appearance->addRow(tr("Theme"), m_themeCombo);

    m_weekStartCombo = new QComboBox(this);
    m_weekStartCombo->setObjectName(QStringLiteral("weekStartCombo"));
    m_weekStartCombo->addItem(tr("Sunday"), 7);
    m_weekStartCombo->addItem(tr("Monday"), 1);
    m_weekStartCombo->addItem(tr("Saturday"), 6);
    bool isNumber = false;
    int day = preferences->value(weekStartKey, QString()).toInt(&isNumber);
    if (!isNumber)
        day = weekStartDay();
    m_weekStartCombo->setCurrentIndex(qMax(0, m_weekStartCombo->findData(day)));

    m_languageCombo = new QComboBox(this);
    m_languageCombo->setObjectName(QStringLiteral("languageCombo"));
    m_languageCombo->addItem(tr("System Default"), QStringLiteral("system"));
    m_languageCombo->addItem(QStringLiteral("English"), QStringLiteral("en"));
    m_languageCombo->addItem(QStringLiteral("Español"), QStringLiteral("es"));
    m_languageCombo->addItem(QStringLiteral("Deutsch"), QStringLiteral("de"));
    m_languageCombo->addItem(QStringLiteral("Français"), QStringLiteral("fr"));
    m_languageCombo->addItem(QStringLiteral("日本語"), QStringLiteral("ja"));
    m_languageCombo->setCurrentIndex(qMax(0, m_languageCombo->findData(m_host->language())));
    auto *regional = new QFormLayout;
    regional->addRow(tr("Week starts on"), m_weekStartCombo);
    regional->addRow(tr("Language"), m_languageCombo);

    auto *updateCheck = new QCheckBox(tr("Check for updates at start-up"), this);
    updateCheck->setObjectName(QStringLiteral("updateCheckAtStartupCheck"));
    updateCheck->setChecked(UpdateStartup::isCheckAtStartupEnabled(preferences));
    auto *updates = new QVBoxLayout;
    updates->addWidget(updateCheck);
    updates->addWidget(
        hint(this, tr("When off, nothing is fetched at start; Help › Check for Updates still works.")));

    connect(m_themeCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onThemeChanged);
    connect(m_weekStartCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onWeekStartChanged);
    connect(m_languageCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onLanguageChanged);
    connect(updateCheck, &QCheckBox::toggled, this,
            [preferences](bool checked) { UpdateStartup::setCheckAtStartupEnabled(preferences, checked); });

    return page(this,
                {section(this, tr("Appearance"), tr("Control how Corvantis Zimbrel looks."), appearance),
                 section(this, tr("Regional"), tr("Date and calendar preferences."), regional),
                 section(this, tr("Updates"), tr("Look for newer versions of Corvantis Zimbrel."), updates)});
}

QWidget *SettingsScreen::buildRegisterPage()
{
    PreferencesRepository *preferences = m_services.preferencesRepository;
    m_twoLineCheck = new QCheckBox(tr("Two-line rows"), this);
    m_twoLineCheck->setObjectName(QStringLiteral("twoLineCheck"));
    m_twoLineCheck->setChecked(preferences->boolValue(twoLineKey, false));
    auto *display = new QVBoxLayout;
    display->addWidget(m_twoLineCheck);
    display->addWidget(hint(this, tr("Show memo on a second line below the payee.")));

    m_newestFirstCheck = new QCheckBox(tr("Show newest transactions first"), this);
    m_newestFirstCheck->setObjectName(QStringLiteral("newestFirstCheck"));
    m_newestFirstCheck->setChecked(preferences->boolValue(newestFirstKey, false));
    auto *sorting = new QVBoxLayout;
    sorting->addWidget(m_newestFirstCheck);
    sorting->addWidget(hint(this, tr("When enabled, the most recent transactions appear at the top.")));

    connect(m_twoLineCheck, &QCheckBox::toggled, this, &SettingsScreen::onTwoLineModeChanged);
    connect(m_newestFirstCheck, &QCheckBox::toggled, this, &SettingsScreen::onRegisterOrderChanged);

    return page(this, {section(this, tr("Display"), tr("How transactions appear in the register."), display),
                       section(this, tr("Sorting"), tr("Control the order of transactions in the register."),
                               sorting)});
}

QWidget *SettingsScreen::buildDataPage()
{
    m_syncStatusLabel = new QLabel(this);
    m_syncStatusLabel->setObjectName(QStringLiteral("syncStatusLabel"));
    m_syncStatusLabel->setWordWrap(true);
    m_lastSyncLabel = new QLabel(this);
    m_lastSyncLabel->setObjectName(QStringLiteral("lastSyncLabel"));
    m_syncNowButton = new QPushButton(tr("Sync Now"), this);
    m_syncNowButton->setObjectName(QStringLiteral("syncNowButton"));
    m_fullSyncButton = new QPushButton(tr("Force Full Sync"), this);
    m_fullSyncButton->setObjectName(QStringLiteral("fullSyncButton"));
    // Nothing to synchronise with until a cloud account is signed in (refresh decides).
    m_syncNowButton->setEnabled(false);
    m_fullSyncButton->setEnabled(false);
    connect(m_syncNowButton, &QPushButton::clicked, this, [this] { startSync(false); });
    connect(m_fullSyncButton, &QPushButton::clicked, this, [this] {
        const QMessageBox::StandardButton answer =
            QMessageBox::question(this, tr("Force Full Sync"),
                                  tr("This will re-upload every local row to the server and re-download all "
                                     "server data. Use this if data "
                                     "appears out of sync between devices.\n\nContinue?"),
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer == QMessageBox::Yes)
            startSync(true);
    });
    auto *sync = new QVBoxLayout;
    sync->addWidget(m_syncStatusLabel);
    sync->addWidget(m_lastSyncLabel);
    auto *syncButtons = new QHBoxLayout;
    syncButtons->addWidget(m_syncNowButton);
    syncButtons->addWidget(m_fullSyncButton);
    syncButtons->addStretch(1);
    sync->addLayout(syncButtons);

    // A self-hosted service instead of the built-in one; taken into use as soon as it is entered.
    m_serverEdit = new QLineEdit(this);
    m_serverEdit->setObjectName(QStringLiteral("serverOriginEdit"));
    m_serverEdit->setPlaceholderText(tr("Built-in service"));
    m_serverEdit->setClearButtonEnabled(true);
    m_serverEdit->setMaxLength(2048);
    m_serverEdit->setText(m_host->serverOrigin());
    m_serverEdit->setToolTip(tr("The address of a self-hosted service, such as https://cloud.example.org. "
                                "Leave it empty for the built-in service."));
    m_serverNote = new QLabel(this);
    m_serverNote->setObjectName(QStringLiteral("serverOriginNote"));
    m_serverNote->setWordWrap(true);
    m_serverNote->setTextFormat(Qt::PlainText);
    auto *serverForm = new QFormLayout;
    serverForm->addRow(tr("Server"), m_serverEdit);
    sync->addLayout(serverForm);
    sync->addWidget(m_serverNote);
    connect(m_serverEdit, &QLineEdit::editingFinished, this, &SettingsScreen::applyServerOrigin);
    showServerNote(QString());

    m_exportButton = new QPushButton(tr("Export Backup"), this);
    m_exportButton->setObjectName(QStringLiteral("exportBackupButton"));
    m_importButton = new QPushButton(tr("Import Backup"), this);
    m_importButton->setObjectName(QStringLiteral("importBackupButton"));
    auto *backup = new QHBoxLayout;
    backup->addWidget(m_exportButton);
    backup->addWidget(m_importButton);
    backup->addStretch(1);
    connect(m_exportButton, &QPushButton::clicked, this, &SettingsScreen::exportBackup);
    connect(m_importButton, &QPushButton::clicked, this, &SettingsScreen::importBackup);

    m_deletedList = new QListWidget(this);
    m_deletedList->setObjectName(QStringLiteral("deletedAccountsList"));
    m_deletedList->setMaximumHeight(120);
    m_restoreButton = new QPushButton(tr("Restore Selected"), this);
    m_restoreButton->setObjectName(QStringLiteral("restoreButton"));
    m_restoreButton->setEnabled(false);
    auto *deleted = new QVBoxLayout;
    deleted->addWidget(m_deletedList);
    auto *restoreRow = new QHBoxLayout;
    restoreRow->addStretch(1);
    restoreRow->addWidget(m_restoreButton);
    deleted->addLayout(restoreRow);
    connect(m_deletedList, &QListWidget::currentRowChanged, this,
            [this](int row) { m_restoreButton->setEnabled(row >= 0); });
    connect(m_restoreButton, &QPushButton::clicked, this, &SettingsScreen::restoreSelectedAccount);

    m_deletedSection =
        section(this, tr("Deleted Accounts"), tr("Accounts you've deleted can be restored here."), deleted);
    m_deletedSection->setObjectName(QStringLiteral("deletedAccountsSection"));
    return page(this,
                {section(this, tr("Sync"), tr("Keep your checkbook in sync across all your devices."), sync),
                 section(this, tr("Backup & Restore"),
                         tr("Save or restore your data to a portable backup file."), backup),
                 m_deletedSection});
}

QWidget *SettingsScreen::buildAboutPage()
{
    auto *about = new QVBoxLayout;
    auto *name = new QLabel(tr("Corvantis Zimbrel"), this);
    QFont nameFont = name->font();
    nameFont.setPointSize(nameFont.pointSize() + 4);
    nameFont.setBold(true);
    name->setFont(nameFont);
    about->addWidget(name);
    about->addWidget(new QLabel(tr("Version %1").arg(QCoreApplication::applicationVersion()), this));
    auto *description =
        new QLabel(tr("A digital checkbook register for tracking household finances. Keep your "
                      "accounts, reconcile them against your statements and see where the money "
                      "goes."),
                   this);
    description->setWordWrap(true);
    about->addWidget(description);
    auto *smallPrint = new QLabel(tr("Copyright © Corvantis. All rights reserved.") + QLatin1Char('\n') +
                                      tr("This application uses the Qt framework under the LGPL v3 license."),
                                  this);
    QFont smallFont = smallPrint->font();
    smallFont.setPointSizeF(smallFont.pointSizeF() * 0.85);
    smallPrint->setFont(smallFont);
    smallPrint->setStyleSheet(QStringLiteral("color: %1;").arg(secondaryTextColor().name()));
    smallPrint->setWordWrap(true);
    about->addWidget(smallPrint);
    return page(this, {section(this, tr("About"), QString(), about)});
}

void SettingsScreen::applySidebarStyle()
{
    m_styling = true;
    const bool dark = isDarkPalette();
    m_sidebar->setStyleSheet(
        QStringLiteral(
            "QListWidget {  background: %1;  border: none;  padding: 12px 8px;}QListWidget::item {  color: "
            "%2;  padding: 8px 12px;  border-radius: 6px;}QListWidget::item:hover {  background: "
            "%3;}QListWidget::item:selected {  background: %4;  color: %5;}")
            .arg(ThemeManager::color(ThemeColor::PageListBackground, dark).name(),
                 ThemeManager::color(ThemeColor::PageListText, dark).name(),
                 ThemeManager::color(ThemeColor::PageListHover, dark).name(),
                 ThemeManager::color(ThemeColor::PageListSelected, dark).name(),
                 ThemeManager::color(ThemeColor::PageListSelectedText, dark).name()));
    const ushort glyphs[PageCount] = {0xE8B8, 0xE8EF, 0xE627, 0xE88E};
    for (int row = 0; row < PageCount; ++row) {
        // The selected row's icon in the selected text's colour: the usual grey would vanish in
        // the light theme's teal.
        QIcon icon(glyphPixmap(glyphs[row], ThemeManager::color(ThemeColor::PageListIcon, dark)));
        icon.addPixmap(glyphPixmap(glyphs[row], ThemeManager::color(ThemeColor::PageListSelectedText, dark)),
                       QIcon::Selected);
        m_sidebar->item(row)->setIcon(icon);
    }
    m_styling = false;
}

void SettingsScreen::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if ((event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) &&
        !m_styling)
        applySidebarStyle();
}

void SettingsScreen::refresh()
{
    m_deletedList->clear();
    m_restoreButton->setEnabled(false);
    const QList<Account> deleted = m_services.accountRepository->deleted();
    m_deletedSection->setVisible(!deleted.isEmpty());
    for (const Account &account : deleted) {
        auto *item = new QListWidgetItem(account.name, m_deletedList);
        item->setData(Qt::UserRole, account.id);
    }

    CorvantisAccount::AuthClient *auth = m_host->authClient();
    if (auth && auth->isAuthenticated()) {
        const CorvantisAccount::User user = auth->currentUser();
        QString identity = user.email.isEmpty() ? user.displayName : user.email;
        if (identity.isEmpty() && !m_fetchingUser) {
            m_fetchingUser = true;
            // The window may be gone, or the client replaced, by the time the answer comes.
            auth->fetchCurrentUser([screen = QPointer<SettingsScreen>(this)](const CorvantisAccount::User &) {
                if (!screen)
                    return;
                screen->m_fetchingUser = false;
                screen->refresh();
            });
        }
        const SyncEngine *engine = m_host->syncEngine();
        const SyncEngine::SyncState state = engine ? engine->state() : SyncEngine::SyncState::Offline;
        QColor color = warningColor();
        if (state == SyncEngine::SyncState::Idle)
            color = positiveColor();
        else if (state == SyncEngine::SyncState::Syncing)
            color = QColor(QStringLiteral("#00897B"));
        else if (state == SyncEngine::SyncState::Error)
            color = negativeColor();
        m_syncStatusLabel->setText(
            tr("<b>Signed in as:</b> %1<br><b>Status:</b> <span style=\"color:%2\">%3</span>")
                .arg(identity.toHtmlEscaped(), color.name(), SyncEngine::statusText(state)));
    } else {
        m_syncStatusLabel->setText(tr("Not signed in.\nSign in via File › Sign In to enable sync."));
    }
    const bool canSync = auth && auth->isAuthenticated() && m_host->syncEngine();
    // A run started here re-enables its buttons when it ends.
    if (m_syncNowButton->text() != tr("Syncing...")) {
        m_syncNowButton->setEnabled(canSync);
        m_fullSyncButton->setEnabled(canSync);
    }
    // The sync cursor is the server's position, not a time: the time a sync last completed is
    // kept on its own.
    const QString lastSync =
        m_services.preferencesRepository->value(SyncEngine::completedPreference, QString());
    if (lastSync.isEmpty()) {
        m_lastSyncLabel->setText(tr("Never synced"));
    } else {
        const QDateTime when = timestampFromText(lastSync);
        m_lastSyncLabel->setText(
            tr("Last synced: %1")
                .arg(when.isValid() ? QLocale().toString(when.toLocalTime(), QStringLiteral("MMM d, h:mm ap"))
                                    : lastSync));
    }
    if (const SyncEngine *engine = m_host->syncEngine(); engine && !engine->lastError().isEmpty())
        m_lastSyncLabel->setText(m_lastSyncLabel->text() + tr("\nError: %1").arg(engine->lastError()));
}

void SettingsScreen::startSync(bool full)
{
    SyncEngine *engine = m_host->syncEngine();
    if (!engine)
        return;
    m_syncNowButton->setEnabled(false);
    m_fullSyncButton->setEnabled(false);
    m_syncNowButton->setText(tr("Syncing..."));
    const auto connection = std::make_shared<QMetaObject::Connection>();
    const auto finish = [this, connection] {
        disconnect(*connection);
        m_syncNowButton->setText(tr("Sync Now"));
        refresh();
    };
    *connection = connect(engine, &SyncEngine::stateChanged, this, [finish](SyncEngine::SyncState state) {
        if (state != SyncEngine::SyncState::Syncing)
            finish();
    });
    if (full)
        engine->forceFullSync(); // a failed marking ends in the Error state like any failed run
    else
        engine->syncNow();
    // A run refused at once (signed out meanwhile) leaves no state change to wait for.
    if (engine->state() != SyncEngine::SyncState::Syncing && m_syncNowButton->text() == tr("Syncing..."))
        finish();
}

void SettingsScreen::onCategoryChanged(int row)
{
    if (row >= 0 && row < m_pages->count())
        m_pages->setCurrentIndex(row);
}

void SettingsScreen::onThemeChanged(int index)
{
    if (index >= 0)
        m_services.themeManager->setTheme(m_themeCombo->itemData(index).toString());
}

void SettingsScreen::onWeekStartChanged(int index)
{
    if (index < 0)
        return;
    const int day = m_weekStartCombo->itemData(index).toInt();
    setWeekStartDay(day);
    m_services.preferencesRepository->setInt(weekStartKey, day);
}

void SettingsScreen::onLanguageChanged(int index)
{
    const QString code = index >= 0 ? m_languageCombo->itemData(index).toString() : QString();
    if (code.isEmpty() || code == m_host->language())
        return;
    m_host->setLanguage(code);
    QMessageBox::information(
        this, tr("Language Changed"),
        tr("The new language will take effect the next time you start Corvantis Zimbrel."));
}

void SettingsScreen::onRegisterOrderChanged(bool checked)
{
    m_services.preferencesRepository->setBool(newestFirstKey, checked);
}

void SettingsScreen::onTwoLineModeChanged(bool checked)
{
    m_services.preferencesRepository->setBool(twoLineKey, checked);
}

bool SettingsScreen::exportBackupTo(const QString &filePath)
{
    // Written as it is read, into a file that replaces the old one only once complete: a full
    // disk halfway never leaves a cut backup where a good one was.
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!m_services.backupService->exportBackup(&file)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

BackupImportResult SettingsScreen::importBackupFrom(const QString &filePath, BackupImportMode mode)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        BackupImportResult result;
        result.errors.append(tr("Could not read file."));
        return result;
    }
    return m_services.backupService->importBackup(&file, mode);
}

void SettingsScreen::exportBackup()
{
    const QString suggested =
        QStringLiteral("zimbrel-backup-%1.zip").arg(QDate::currentDate().toString(Qt::ISODate));
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Export Backup"), suggested, tr("ZIP Files (*.zip)"));
    if (path.isEmpty())
        return;
    m_exportButton->setEnabled(false);
    m_exportButton->setText(tr("Exporting..."));
    if (exportBackupTo(path))
        QMessageBox::information(this, tr("Backup Complete"), tr("Backup saved to:\n%1").arg(path));
    else
        QMessageBox::warning(this, tr("Backup Failed"), tr("Could not write to:\n%1").arg(path));
    m_exportButton->setEnabled(true);
    m_exportButton->setText(tr("Export Backup"));
}

void SettingsScreen::importBackup()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Import Backup"), QString(), tr("ZIP Files (*.zip)"));
    if (path.isEmpty())
        return;
    const QStringList modes = {tr("Replace all with backup data"), tr("Keep newer (compare timestamps)"),
                               tr("Skip existing items")};
    bool ok = false;
    const QString choice = QInputDialog::getItem(
        this, tr("Import Mode"), tr("How should existing data be handled?"), modes, 0, false, &ok);
    if (!ok)
        return;
    const BackupImportMode mode = choice == modes[0]   ? BackupImportMode::ReplaceExisting
                                  : choice == modes[1] ? BackupImportMode::KeepNewer
                                                       : BackupImportMode::SkipExisting;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::warning(this, tr("Import Failed"), tr("Could not read file."));
        return;
    }
    m_importButton->setText(tr("Importing..."));
    const BackupImportResult result = m_services.backupService->importBackup(&file, mode);
    m_importButton->setText(tr("Import Backup"));
    // An archive that is not a backup at all changes nothing; calling that complete would hide it.
    if (result.importedTotal() == 0 && result.skippedTotal() == 0 && !result.errors.isEmpty()) {
        QMessageBox::warning(this, tr("Import Failed"), result.errors.first());
        return;
    }
    QString message =
        tr("Imported %1 items, skipped %2.").arg(result.importedTotal()).arg(result.skippedTotal());
    if (!result.errors.isEmpty())
        message += tr("\n\n%n error(s) occurred.", nullptr, int(result.errors.size()));
    QMessageBox::information(this, tr("Import Complete"), message);
    refresh();
    emit deletedAccountRestored();
}

void SettingsScreen::showServerNote(const QString &message, bool error)
{
    QString text = message;
    const QStringList overrides = m_host->endpointOverrides();
    if (!overrides.isEmpty()) {
        // The variables win over the field; say so, and where signing in really goes.
        const QString overridden = tr("The environment overrides this setting (%1): signing in goes to %2.")
                                       .arg(overrides.join(QStringLiteral(", ")), m_host->authBaseUrl());
        text = text.isEmpty() ? overridden : text + QLatin1Char('\n') + overridden;
    }
    m_serverNote->setStyleSheet(error ? QStringLiteral("color: %1;").arg(negativeColor().name()) : QString());
    m_serverNote->setText(text);
    m_serverNote->setVisible(!text.isEmpty());
}

void SettingsScreen::applyServerOrigin()
{
    // The question below takes the focus from the field, which reports editing finished again.
    if (m_applyingServer)
        return;
    const QScopedValueRollback<bool> guard(m_applyingServer, true);

    const QString text = m_serverEdit->text().trimmed();
    const std::optional<QString> origin =
        text.isEmpty() ? std::optional<QString>(QString()) : CorvantisAccount::normalizedServerOrigin(text);
    if (!origin) {
        showServerNote(
            tr("Not a server address: enter one such as https://cloud.example.org, or nothing for the "
               "built-in service."),
            true);
        return;
    }
    const QString current = m_host->serverOrigin();
    if (*origin == current) {
        m_serverEdit->setText(current);
        showServerNote(QString());
        return;
    }
    if (m_host->isSignedIn() && m_host->serverOriginEndsSession(*origin)) {
        const QMessageBox::StandardButton answer = QMessageBox::question(
            this, tr("Change Server"),
            tr("You are signed in to %1.\n\nChanging the server signs you out there. Change it?")
                .arg(m_host->authBaseUrl()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            m_serverEdit->setText(current);
            showServerNote(QString());
            return;
        }
    }

    const SettingsHost::ServerChange change = m_host->setServerOrigin(*origin);
    switch (change) {
    case SettingsHost::ServerChange::Failed:
        m_serverEdit->setText(current);
        showServerNote(tr("The server could not be saved in the data file; the setting is unchanged."), true);
        return;
    case SettingsHost::ServerChange::Unchanged:
    case SettingsHost::ServerChange::Saved:
        m_serverEdit->setText(*origin);
        showServerNote(QString());
        break;
    case SettingsHost::ServerChange::Switched:
        m_serverEdit->setText(*origin);
        if (m_host->isSignedIn())
            showServerNote(tr("Now using %1.").arg(origin->isEmpty() ? tr("the built-in service") : *origin));
        else
            showServerNote(tr("Now using %1. Sign in via File › Sign In.")
                               .arg(origin->isEmpty() ? tr("the built-in service") : *origin));
        break;
    }
    refresh();
}

void SettingsScreen::restoreSelectedAccount()
{
    const QListWidgetItem *item = m_deletedList->currentItem();
    if (!item)
        return;
    const QString accountId = item->data(Qt::UserRole).toString();
    if (m_services.accountService->restoreAccount(accountId) == AccountService::Outcome::StorageFailed) {
        QMessageBox::warning(this, tr("Restore Failed"),
                             tr("The account could not be restored. Nothing was changed."));
        return;
    }
    refresh();
    emit deletedAccountRestored();
}
