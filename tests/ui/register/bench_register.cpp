// Prints how long a register of many rows takes to load, reload and scroll. Not a pass/fail test:
// run it by hand (offscreen is fine) and read the figures.
//   bench_register [rows]   (default 100000)

#include "registerfixture.h"

#include "data/database.h"
#include "data/sqltransaction.h"
#include "support/recordbuilders.h"

#include <QElapsedTimer>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const int rowCount = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    QTextStream out(stdout);

    RegisterFixture fixture;
    if (!fixture.start()) {
        out << "cannot create the data directory\n";
        return 1;
    }
    const QString accountId =
        Records::account(QStringLiteral("Checking")).startingBalance(100000).addTo(fixture.core()).id;
    QElapsedTimer timer;
    timer.start();
    {
        SqlTransaction guard(fixture.state()->database()->connection());
        const QDate first(2000, 1, 1);
        for (int index = 0; index < rowCount; ++index) {
            const Transaction transaction =
                Records::transaction(accountId, first.addDays(index / 12),
                                     (index % 7 ? -1 : 5) * Money(1000 + index % 9973))
                    .payee(QStringLiteral("Payee %1").arg(index % 500))
                    .memo(index % 3 ? QString() : QStringLiteral("memo %1").arg(index));
            fixture.transactions()->insert(transaction);
        }
        guard.commit();
    }
    out << "rows: " << rowCount << "\n";
    out << "fill (one SQL transaction): " << timer.elapsed() << " ms\n";

    timer.restart();
    const QList<RegisterRow> rows = fixture.transactions()->registerRows(accountId);
    out << "registerRows query: " << timer.elapsed() << " ms (" << rows.size() << " rows)\n";

    fixture.screen()->show();
    timer.restart();
    fixture.screen()->setAccount(accountId);
    QApplication::processEvents();
    out << "open account (query, model load, first paint): " << timer.elapsed() << " ms\n";

    timer.restart();
    fixture.screen()->reload();
    QApplication::processEvents();
    out << "reload keeping current cell and top row: " << timer.elapsed() << " ms\n";

    RegisterTableView *view = fixture.view();
    QScrollBar *bar = view->verticalScrollBar();
    const int pages = 400;
    qint64 worst = 0;
    timer.restart();
    QElapsedTimer step;
    for (int page = 0; page < pages; ++page) {
        step.restart();
        bar->setValue(bar->maximum() - qint64(bar->maximum()) * page / pages);
        view->viewport()->repaint();
        worst = std::max(worst, step.nsecsElapsed());
    }
    const qint64 total = timer.elapsed();
    out << "scroll and repaint " << pages << " positions: " << total << " ms (average "
        << double(total) / pages << " ms, worst " << worst / 1000000.0 << " ms)\n";

    timer.restart();
    bar->setValue(0);
    view->viewport()->repaint();
    bar->setValue(bar->maximum());
    view->viewport()->repaint();
    out << "jump top to bottom with repaint: " << timer.elapsed() << " ms\n";

    // Opening the payee cell builds its completion list from every payee in the file.
    const QModelIndex payee = fixture.model()->index(fixture.model()->blankRow(), RegisterModel::PayeeColumn);
    view->setCurrentIndex(payee);
    timer.restart();
    view->edit(payee);
    out << "open the payee editor with its completion list: " << timer.elapsed() << " ms\n";

    // Ctrl+Enter on a typed entry: validation, the insert and the reload with new balances.
    view->setFocus();
    RegisterModel::PendingEdit pending = fixture.model()->pendingEdit();
    pending.payee = QStringLiteral("Benchmark");
    pending.payment = QStringLiteral("12.34");
    fixture.model()->setPendingEdit(pending);
    timer.restart();
    fixture.screen()->commitCurrentRow();
    out << "commit a new entry and reload: " << timer.elapsed() << " ms ("
        << fixture.model()->transactionCount() << " rows after)\n";
    return 0;
}
