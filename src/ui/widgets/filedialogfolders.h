#pragma once

#include <QString>

class QSettings;

// Where a file dialog opens: the folder of the last file chosen for the same kind of file (CSV
// import, QIF import, report export, ...), kept in the settings under "fileDialogs/<kind>"; the
// user's Documents folder when there is none yet or it has gone, the home folder when there is no
// Documents folder either. Never the working directory the program happened to start in.
class FileDialogFolders
{
public:
    // The folders are those of the user unless given (tests give temporary ones).
    explicit FileDialogFolders(QSettings *settings, QString homeFolder = {}, QString documentsFolder = {});

    QString folderFor(const QString &kind) const;
    // The folder to start a save dialog in, with the suggested file name in it.
    QString pathFor(const QString &kind, const QString &fileName) const;
    // Remembers the folder of the file the user chose; an empty path (cancelled) changes nothing.
    void remember(const QString &kind, const QString &chosenPath);

    static QString settingsKey(const QString &kind);

private:
    QSettings *m_settings;
    QString m_homeFolder;
    QString m_documentsFolder;
};
