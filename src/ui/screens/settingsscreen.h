#pragma once

#include "services/backupimportmode.h"
#include "services/backupimportresult.h"
#include "ui/screens/screenservices.h"
#include "ui/screens/settingshost.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

// The "Preferences" window: appearance and regional settings, the register layout, sync status,
// backup export and import, and the restore of deleted accounts. Every setting takes effect at
// once except the language, which needs a restart.
class SettingsScreen : public QWidget
{
    Q_OBJECT

public:
    enum Page { GeneralPage, RegisterPage, DataPage, AboutPage, PageCount };

    SettingsScreen(const ScreenServices &services, std::unique_ptr<SettingsHost> host,
                   QWidget *parent = nullptr);
    ~SettingsScreen() override;

    QSize sizeHint() const override;

    void refresh();
    int currentPage() const;

    // The work behind the two backup buttons, without their dialogs. False when the archive
    // cannot be built or the file cannot be written.
    bool exportBackupTo(const QString &filePath);
    // Empty result with one error when the file cannot be read.
    BackupImportResult importBackupFrom(const QString &filePath, BackupImportMode mode);

signals:
    // Accounts came back: restored from the deleted list or from a backup.
    void deletedAccountRestored();

public slots:
    void onCategoryChanged(int row);
    void onThemeChanged(int index);
    void onWeekStartChanged(int index);
    void onLanguageChanged(int index);
    void onRegisterOrderChanged(bool checked);
    void onTwoLineModeChanged(bool checked);
    void restoreSelectedAccount();
    void applyServerOrigin();
    void exportBackup();
    void importBackup();

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildGeneralPage();
    QWidget *buildRegisterPage();
    QWidget *buildDataPage();
    QWidget *buildAboutPage();
    void applySidebarStyle();
    // `message` (an error in the negative colour), followed by what the environment overrides.
    void showServerNote(const QString &message, bool error = false);
    // Starts a sync run (after marking everything for upload when `full`); the buttons wait for it.
    void startSync(bool full);

    ScreenServices m_services;
    std::unique_ptr<SettingsHost> m_host;
    QListWidget *m_sidebar;
    QStackedWidget *m_pages;
    QComboBox *m_themeCombo = nullptr;
    QComboBox *m_weekStartCombo = nullptr;
    QComboBox *m_languageCombo = nullptr;
    QCheckBox *m_twoLineCheck = nullptr;
    QCheckBox *m_newestFirstCheck = nullptr;
    QLabel *m_syncStatusLabel = nullptr;
    QLabel *m_lastSyncLabel = nullptr;
    QLineEdit *m_serverEdit = nullptr;
    QLabel *m_serverNote = nullptr;
    // A user fetch is under way for the signed-in status line.
    bool m_fetchingUser = false;
    bool m_applyingServer = false;
    QPushButton *m_syncNowButton = nullptr;
    QPushButton *m_fullSyncButton = nullptr;
    QPushButton *m_exportButton = nullptr;
    QPushButton *m_importButton = nullptr;
    QWidget *m_deletedSection = nullptr;
    QListWidget *m_deletedList = nullptr;
    QPushButton *m_restoreButton = nullptr;
    bool m_styling = false;
};
