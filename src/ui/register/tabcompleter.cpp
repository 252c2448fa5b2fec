#include "tabcompleter.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QEvent>
#include <QFontMetrics>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

TabCompleter::TabCompleter(const QStringList &items, QObject *parent)
    : QCompleter(items, parent)
{
    applyMatchingRules();
}

TabCompleter::TabCompleter(QAbstractItemModel *model, QObject *parent)
    : QCompleter(model, parent)
{
    applyMatchingRules();
}

void TabCompleter::applyMatchingRules()
{
    setCaseSensitivity(Qt::CaseInsensitive);
    setFilterMode(Qt::MatchContains);
    setCompletionMode(QCompleter::PopupCompletion);
    if (QAbstractItemModel *items = model()) {
        const auto forget = [this] {
            m_itemsWidth = -1;
        };
        connect(items, &QAbstractItemModel::modelReset, this, forget);
        connect(items, &QAbstractItemModel::rowsInserted, this, forget);
        connect(items, &QAbstractItemModel::rowsRemoved, this, forget);
        connect(items, &QAbstractItemModel::dataChanged, this, forget);
    }
}

int TabCompleter::popupWidthForItems()
{
    QAbstractItemView *list = popup();
    if (m_itemsWidth < 0) {
        const QFontMetrics metrics(list->font());
        int widest = 0;
        const QAbstractItemModel *items = model();
        for (int row = 0; items && row < items->rowCount(); ++row) {
            const QString text = items->index(row, completionColumn()).data(completionRole()).toString();
            widest = std::max(widest, metrics.horizontalAdvance(text));
        }
        m_itemsWidth = widest;
    }
    // The item's text margins, the list's frame, and room for the scroll bar of a long list.
    const QStyle *style = list->style();
    const int textMargins = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1) + 8;
    const int frame = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, list);
    const int scrollBar = list->verticalScrollBar()->sizeHint().width();
    return m_itemsWidth + textMargins + frame + scrollBar;
}

bool TabCompleter::eventFilter(QObject *watched, QEvent *event)
{
    // The completer places its popup under the field, as wide as the field, each time the list
    // is filtered; it is widened after every such placement.
    // The event type is tested first: asking for the popup creates it, which sends events here.
    if ((event->type() == QEvent::Show || event->type() == QEvent::Resize) && !m_widening &&
        watched == popup())
        widenPopup();
    return QCompleter::eventFilter(watched, event);
}

void TabCompleter::widenPopup()
{
    QAbstractItemView *list = popup();
    const QScreen *screen = list->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const int width = std::min(std::max(list->width(), popupWidthForItems()), available.width());
    if (width == list->width())
        return;
    QRect geometry = list->geometry();
    geometry.setWidth(width);
    // A list that would run off the screen's right edge moves left instead.
    if (geometry.right() > available.right())
        geometry.moveRight(available.right());
    m_widening = true;
    list->setGeometry(geometry);
    m_widening = false;
}
