#pragma once

#include <QString>
#include <QStringList>

namespace verdeval {

// Where the climate database of a drive is looked for: the file Quenora.mdb in the folder
// Quenora at the root of the drive the user chose. On Windows drive X is X:\. Elsewhere drive
// X is the folder /mnt/x, and drive C is also the user's home folder, looked at first; an
// installed program's C finally falls back on the sample database of the installation
// (/usr/share/verdeval/Quenora/Quenora.mdb for the Debian package).
class DriveMap
{
public:
    // The drives of the running system.
    static DriveMap forThisSystem();
    // Drive letters as Windows has them.
    static DriveMap windows();
    // Drive X is <root>/mnt/x; drive C is also <home>, and last <installed> when that is not
    // empty. Tests point them at a temporary folder.
    static DriveMap mountFolders(const QString &root, const QString &home, const QString &installed = QString());
    // The data folder of a program installed in <prefix>/bin: <prefix>/share/verdeval. Empty
    // for a program anywhere else, e.g. run from its build folder.
    static QString installedDataFolder(const QString &programFolder);

    // The paths tried for the database file of a drive ("C" or "c"), in order. Empty for a
    // text that is not a single letter A to Z.
    QStringList candidates(const QString &drive) const;

private:
    enum class Kind { Windows, MountFolders };
    DriveMap(Kind kind, const QString &root, const QString &home, const QString &installed);

    Kind m_kind;
    QString m_root;
    QString m_home;
    QString m_installed;
};

} // namespace verdeval
