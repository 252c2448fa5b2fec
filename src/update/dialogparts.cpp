#include "update/dialogparts.h"

#include <QLabel>
#include <QList>
#include <QPair>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

namespace CorvantisUpdate {

QLabel *createHeading(const QString &text, int extraPoints, QWidget *parent)
{
    auto *heading = new QLabel(text, parent);
    QFont font = heading->font();
    font.setWeight(QFont::Bold);
    font.setPointSizeF(font.pointSizeF() + extraPoints);
    heading->setFont(font);
    heading->setWordWrap(true);
    return heading;
}

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
