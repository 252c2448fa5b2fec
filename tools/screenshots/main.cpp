// zimbrel-screenshots: opens the main window and every secondary window on the data directory of
// ZIMBREL_DATA_DIR and writes a PNG of each, as they are on the screen (popups included). Run it
// on a real X display, normally through screenshots.sh, which prepares the data, the display size,
// the scale and the language.

#include "app/application.h"
#include "app/appstate.h"
#include "app/mainwindow.h"
#include "data/preferencesrepository.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/screens/categoriesscreen.h"
#include "ui/screens/importscreen.h"
#include "ui/screens/reportsscreen.h"
#include "ui/screens/searchscreen.h"
#include "ui/screens/settingsscreen.h"
#include "ui/widgets/thememanager.h"

#include <QComboBox>
#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

// Lets layouts, the fitters' zero timers and the X server catch up.
void settle(int milliseconds = 400)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

class Shooter
{
public:
    Shooter(QString directory, QString prefix)
        : m_directory(std::move(directory))
        , m_prefix(std::move(prefix))
    {}

    // What the screen shows where the window is: the window and anything popped up over it.
    void shoot(QWidget *window, const QString &name)
    {
        // Raising the window would close an open popup, which is what some shots are of.
        if (!QApplication::activePopupWidget()) {
            window->raise();
            window->activateWindow();
        }
        settle();
        const QRect frame = window->frameGeometry();
        QScreen *screen = window->screen();
        const QPixmap pixmap =
            screen->grabWindow(0, frame.x() - screen->geometry().x(), frame.y() - screen->geometry().y(),
                               frame.width(), frame.height());
        const QString path = QDir(m_directory).filePath(QStringLiteral("%1-%2.png").arg(m_prefix, name));
        if (pixmap.save(path))
            std::printf("%s\n", qPrintable(path));
        else
            std::fprintf(stderr, "zimbrel-screenshots: cannot write %s\n", qPrintable(path));
        ++m_count;
    }

    // A modal dialog opened by `open` is shot and closed once it shows.
    void shootModal(const QString &name, const std::function<void()> &open)
    {
        QTimer poll;
        poll.setInterval(100);
        QObject::connect(&poll, &QTimer::timeout, &poll, [this, &poll, name] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            poll.stop();
            shoot(modal, name);
            modal->close();
        });
        poll.start();
        open();
        poll.stop();
    }

    int count() const { return m_count; }

private:
    QString m_directory;
    QString m_prefix;
    int m_count = 0;
};

QAction *menuItem(MainWindow &window, const QString &text)
{
    for (QAction *menu : window.menuBar()->actions()) {
        if (!menu->menu())
            continue;
        for (QAction *item : menu->menu()->actions()) {
            if (item->text() == text)
                return item;
        }
    }
    return nullptr;
}

QWidget *secondaryWindow(MainWindow &window, const char *objectName)
{
    return window.findChild<QWidget *>(QLatin1String(objectName));
}

void shootRegister(Shooter &shooter, MainWindow &window, AppState &state)
{
    PreferencesRepository *preferences = state.preferencesRepository();
    preferences->setBool(QStringLiteral("registerTwoLine"), false);
    window.registerScreen()->reload();
    shooter.shoot(&window, QStringLiteral("register"));

    // The completion lists of the blank row: payees, then categories with the transfers.
    RegisterScreen *screen = window.registerScreen();
    screen->focusNewEntryRow();
    RegisterTableView *view = screen->view();
    const struct
    {
        int column;
        const char *typed;
        const char *name;
    } completions[] = {{RegisterModel::PayeeColumn, "M", "register-payee-completion"},
                       {RegisterModel::CategoryColumn, "T", "register-category-completion"}};
    for (const auto &completion : completions) {
        const QModelIndex cell = screen->model()->index(screen->model()->blankRow(), completion.column);
        view->setCurrentIndex(cell);
        view->edit(cell);
        settle(200);
        QWidget *edit = QApplication::focusWidget();
        if (auto *combo = qobject_cast<QComboBox *>(edit))
            edit = combo->lineEdit();
        if (!edit)
            continue;
        // Typed, as a user would: the completer listens to keys, not to text set from code.
        const QString text = QLatin1String(completion.typed);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, text);
        QApplication::sendEvent(edit, &press);
        QApplication::sendEvent(edit, &release);
        settle(300);
        shooter.shoot(&window, QLatin1String(completion.name));
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        if (QWidget *popup = QApplication::activePopupWidget())
            QApplication::sendEvent(popup, &escape);
        settle(100);
    }
    screen->discardNewEntry();

    preferences->setBool(QStringLiteral("registerTwoLine"), true);
    window.registerScreen()->reload();
    shooter.shoot(&window, QStringLiteral("register-two-line"));
    preferences->setBool(QStringLiteral("registerTwoLine"), false);
    window.registerScreen()->reload();
}

void shootReports(Shooter &shooter, MainWindow &window, bool fullScreen)
{
    window.showReportsWindow();
    auto *reports = qobject_cast<ReportsScreen *>(secondaryWindow(window, "reportsScreen"));
    if (!reports)
        return;
    // A year of figures says more about the charts than the month so far.
    if (auto *period = reports->findChild<QComboBox *>(QStringLiteral("periodCombo")))
        period->setCurrentIndex(8);
    if (fullScreen)
        reports->setGeometry(reports->screen()->availableGeometry());
    static const char *const names[] = {"category-spending",  "payee-summary", "tax-report",
                                        "income-vs-expenses", "cash-flow",     "year-over-year",
                                        "account-summary",    "transactions"};
    for (int tab = 0; tab < reports->tabs()->count(); ++tab) {
        reports->tabs()->setCurrentIndex(tab);
        shooter.shoot(reports,
                      QStringLiteral("reports%1-%2")
                          .arg(fullScreen ? QStringLiteral("-full") : QString(), QLatin1String(names[tab])));
    }
    reports->close();
}

void shootSecondaryWindows(Shooter &shooter, MainWindow &window, const QString &importDirectory)
{
    window.showSearchWindow();
    if (auto *search = qobject_cast<SearchScreen *>(secondaryWindow(window, "searchScreen"))) {
        if (auto *query = search->findChild<QLineEdit *>(QStringLiteral("queryEdit")))
            query->setText(QStringLiteral("a"));
        settle(600);
        shooter.shoot(search, QStringLiteral("search"));
        search->close();
    }

    window.showRecurringWindow();
    shooter.shoot(secondaryWindow(window, "recurringScreen"), QStringLiteral("recurring"));
    secondaryWindow(window, "recurringScreen")->close();

    window.showCategoriesWindow();
    shooter.shoot(secondaryWindow(window, "categoriesScreen"), QStringLiteral("categories"));
    secondaryWindow(window, "categoriesScreen")->close();

    window.showPayeesWindow();
    shooter.shoot(secondaryWindow(window, "payeeScreen"), QStringLiteral("payees"));
    secondaryWindow(window, "payeeScreen")->close();

    window.showReconciliationHistoryWindow();
    if (QWidget *history = secondaryWindow(window, "reconciliationHistoryScreen")) {
        shooter.shoot(history, QStringLiteral("reconciliation-history"));
        history->close();
    }

    window.showReconciliationWindow();
    if (QWidget *reconcile = secondaryWindow(window, "reconciliationScreen")) {
        shooter.shoot(reconcile, QStringLiteral("reconcile"));
        reconcile->close();
    }

    window.showSettingsWindow();
    if (QWidget *settings = secondaryWindow(window, "settingsScreen")) {
        static const char *const pages[] = {"general", "register", "data", "about"};
        auto *sidebar = settings->findChild<QListWidget *>();
        for (int page = 0; sidebar && page < sidebar->count() && page < 4; ++page) {
            sidebar->setCurrentRow(page);
            shooter.shoot(settings, QStringLiteral("preferences-%1").arg(QLatin1String(pages[page])));
        }
        settings->close();
    }

    window.showImportWindow();
    if (auto *import = qobject_cast<ImportScreen *>(secondaryWindow(window, "importScreen"))) {
        shooter.shoot(import, QStringLiteral("import"));
        const QDir files(importDirectory);
        const QStringList csv = files.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
        if (!importDirectory.isEmpty() && !csv.isEmpty()) {
            import->chooseCsvFile(files.filePath(csv.first()));
            shooter.shoot(import, QStringLiteral("import-csv"));
        }
        const QStringList qif = files.entryList({QStringLiteral("*.qif")}, QDir::Files, QDir::Name);
        if (!importDirectory.isEmpty() && !qif.isEmpty()) {
            if (auto *qifButton = import->findChild<QRadioButton *>(QStringLiteral("qifButton")))
                qifButton->setChecked(true);
            QStringList paths;
            for (const QString &name : qif)
                paths.append(files.filePath(name));
            import->chooseQifFiles(paths);
            shooter.shoot(import, QStringLiteral("import-qif"));
        }
        import->close();
    }

    shooter.shootModal(QStringLiteral("new-account"), [&window] { window.showNewAccountDialog(); });
    shooter.shootModal(QStringLiteral("transaction-form"),
                       [&window] { window.registerScreen()->newTransactionDialog(); });
    // The about and shortcut boxes are reached through the Help menu.
    const struct
    {
        const char *item;
        const char *name;
    } boxes[] = {{"&About Corvantis Zimbrel", "about"}, {"&Keyboard Shortcuts", "shortcuts"}};
    for (const auto &box : boxes) {
        if (QAction *action = menuItem(window, MainWindow::tr(box.item)))
            shooter.shootModal(QLatin1String(box.name), [action] { action->trigger(); });
    }
}

} // namespace

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes PNGs of the main window and every secondary window for the data in ZIMBREL_DATA_DIR."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("out"), QStringLiteral("Directory for the PNGs."), QStringLiteral("DIR"),
                      QStringLiteral(".")});
    parser.addOption({QStringLiteral("prefix"), QStringLiteral("Start of every file name."),
                      QStringLiteral("NAME"), QStringLiteral("zimbrel")});
    parser.addOption({QStringLiteral("theme"), QStringLiteral("light, dark or system."),
                      QStringLiteral("THEME"), QStringLiteral("light")});
    parser.addOption({QStringLiteral("import-files"),
                      QStringLiteral("A directory with CSV and QIF files to show in the "
                                     "import window."),
                      QStringLiteral("DIR")});
    parser.process(app);

    const QString out = parser.value(QStringLiteral("out"));
    if (!QDir().mkpath(out)) {
        std::fprintf(stderr, "zimbrel-screenshots: cannot create %s\n", qPrintable(out));
        return 1;
    }
    AppState state(Application::dataDirectory());
    if (!state.initialize()) {
        std::fprintf(stderr, "zimbrel-screenshots: cannot open the database in %s\n",
                     qPrintable(Application::dataDirectory()));
        return 1;
    }
    state.themeManager()->setTheme(parser.value(QStringLiteral("theme")));

    Shooter shooter(out, parser.value(QStringLiteral("prefix")));
    MainWindow window(&state);
    window.show();
    settle(1000);
    shootRegister(shooter, window, state);
    shootReports(shooter, window, false);
    shootReports(shooter, window, true);
    shootSecondaryWindows(shooter, window, parser.value(QStringLiteral("import-files")));
    window.showCorvantisAccountScreen();
    shooter.shoot(&window, QStringLiteral("welcome"));
    return shooter.count() > 0 ? 0 : 1;
}
