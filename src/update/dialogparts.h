#pragma once

class QString;
class QTextBrowser;
class QWidget;

namespace CorvantisUpdate {

// The text browser both dialogs show release notes in; its links open in the system browser.
QTextBrowser *createNotesBrowser(QWidget *parent);

// Renders `markdown` in `browser`. Links take the theme's highlight colour: the Markdown reader
// paints them in the toolkit's default blue, which cannot be read on the dark palette.
void showNotes(QTextBrowser *browser, const QString &markdown);

} // namespace CorvantisUpdate
