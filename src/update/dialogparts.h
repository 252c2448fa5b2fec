#pragma once

class QLabel;
class QString;
class QTextBrowser;
class QWidget;

namespace CorvantisUpdate {

// Pieces the update and what's-new dialogs share.

// A bold, word-wrapped heading `extraPoints` larger than the dialog's font.
QLabel *createHeading(const QString &text, int extraPoints, QWidget *parent);

// The text browser release notes are shown in; its links open in the system browser.
QTextBrowser *createNotesBrowser(QWidget *parent);

// Renders `markdown` in `browser`. Links take the theme's highlight colour: the Markdown reader
// paints them in the toolkit's default blue, which cannot be read on the dark palette.
void showNotes(QTextBrowser *browser, const QString &markdown);

} // namespace CorvantisUpdate
