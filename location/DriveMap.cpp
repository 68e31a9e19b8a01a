#include "location/DriveMap.h"

#include <QCoreApplication>
#include <QDir>

namespace verdeval {

namespace {

const QString folderAndFile = QStringLiteral("Quenora/Quenora.mdb");

QString joined(const QString &folder, const QString &relative)
{
    return QDir::cleanPath(folder + QLatin1Char('/') + relative);
}

} // namespace

DriveMap::DriveMap(Kind kind, const QString &root, const QString &home, const QString &installed)
    : m_kind(kind), m_root(root), m_home(home), m_installed(installed)
{
}

DriveMap DriveMap::forThisSystem()
{
#ifdef Q_OS_WIN
    return windows();
#else
    const QString programFolder =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return mountFolders(QDir::rootPath(), QDir::homePath(), installedDataFolder(programFolder));
#endif
}

DriveMap DriveMap::windows()
{
    return DriveMap(Kind::Windows, QString(), QString(), QString());
}

DriveMap DriveMap::mountFolders(const QString &root, const QString &home, const QString &installed)
{
    return DriveMap(Kind::MountFolders, root, home, installed);
}

QString DriveMap::installedDataFolder(const QString &programFolder)
{
    const QString folder = QDir::cleanPath(programFolder);
    if (programFolder.isEmpty() || QDir(folder).dirName() != QLatin1String("bin"))
        return QString();
    return joined(folder, QStringLiteral("../share/verdeval"));
}

QStringList DriveMap::candidates(const QString &drive) const
{
    if (drive.size() != 1)
        return {};
    const QChar letter = drive.at(0);
    if (letter.unicode() > 0x7f || !letter.isLetter())
        return {};

    if (m_kind == Kind::Windows)
        return {QStringLiteral("%1:\\Quenora\\Quenora.mdb").arg(letter.toUpper())};

    const QChar lower = letter.toLower();
    QStringList paths;
    if (lower == QLatin1Char('c') && !m_home.isEmpty())
        paths << joined(m_home, folderAndFile);
    paths << joined(m_root, QStringLiteral("mnt/%1/").arg(lower) + folderAndFile);
    if (lower == QLatin1Char('c') && !m_installed.isEmpty())
        paths << joined(m_installed, folderAndFile);
    return paths;
}

} // namespace verdeval
