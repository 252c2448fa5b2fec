#include "update/notesbrowser.h"

#include <QList>
#include <QPair>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

namespace CorvantisUpdate {

QTextBrowser *createNotesBrowser(QWidget *parent)
{
    auto *browser = new QTextBrowser(parent);
    browser->setOpenExternalLinks(true);
    return browser;
}

void showNotes(QTextBrowser *browser, const QString &markdown)
{
    browser->setMarkdown(markdown);
    QTextDocument *document = browser->document();
    QList<QPair<int, int>> links; // position, length
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().charFormat().isAnchor())
                links.append({fragment.fragment().position(), fragment.fragment().length()});
        }
    }
    QTextCharFormat linkColour;
    linkColour.setForeground(browser->palette().color(QPalette::Highlight));
    QTextCursor cursor(document);
    for (const auto &[position, length] : links) {
        cursor.setPosition(position);
        cursor.setPosition(position + length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(linkColour);
    }
}

} // namespace CorvantisUpdate
