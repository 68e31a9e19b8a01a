#pragma once

#include <QString>
#include <QStringList>

namespace verdeval {

// Where the climate database of a drive is looked for: the file Quenora.mdb in the folder
// Quenora at the root of the drive the user chose. On Windows drive X is X:\. Elsewhere drive
// X is the folder /mnt/x, and drive C is also the user's home folder, looked at first.
class DriveMap
{
public:
    // The drives of the running system.
    static DriveMap forThisSystem();
    // Drive letters as Windows has them.
    static DriveMap windows();
    // Drive X is <root>/mnt/x; drive C is also <home>. Tests point both at a temporary folder.
    static DriveMap mountFolders(const QString &root, const QString &home);

    // The paths tried for the database file of a drive ("C" or "c"), in order. Empty for a
    // text that is not a single letter A to Z.
    QStringList candidates(const QString &drive) const;

private:
    enum class Kind { Windows, MountFolders };
    DriveMap(Kind kind, const QString &root, const QString &home);

    Kind m_kind;
    QString m_root;
    QString m_home;
};

} // namespace verdeval
