#include "testsandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

const char *const sandboxedVariables[] = {
    "HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR",
};

QString settingsUserPath(QSettings::Format format)
{
    // QSettings has no getter for its search path; the path it would use is
    // the folder of a throw-away object's file, minus organisation folder.
    QSettings probe(format, QSettings::UserScope, QStringLiteral("yavo-probe"),
                    QStringLiteral("probe"));
    return QFileInfo(QFileInfo(probe.fileName()).path()).path();
}

} // namespace

TestSandbox::TestSandbox()
    : m_savedCurrentDir(QDir::currentPath())
{
    if (!m_root.isValid())
        qFatal("TestSandbox: cannot create a temporary folder");

    for (const char *name : sandboxedVariables) {
        m_hadEnv.insert(name, qEnvironmentVariableIsSet(name));
        m_savedEnv.insert(name, qgetenv(name));
    }
    QDir root(m_root.path());
    for (const char *sub : {"home", "home/.config", "home/.local/share", "home/.cache", "runtime", "cwd"})
        root.mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(root.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    setEnv("HOME", homeDir());
    setEnv("XDG_CONFIG_HOME", configDir());
    setEnv("XDG_DATA_HOME", dataDir());
    setEnv("XDG_CACHE_HOME", root.filePath(QStringLiteral("home/.cache")));
    setEnv("XDG_RUNTIME_DIR", root.filePath(QStringLiteral("runtime")));

    // QSettings caches its folders at first use, so the environment alone
    // cannot move it once a test has touched a setting.
    m_savedNativeSettingsPath = settingsUserPath(QSettings::NativeFormat);
    m_savedIniSettingsPath = settingsUserPath(QSettings::IniFormat);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configDir());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configDir());

    QDir::setCurrent(currentDir());
}

TestSandbox::~TestSandbox()
{
    QDir::setCurrent(m_savedCurrentDir);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_savedNativeSettingsPath);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_savedIniSettingsPath);
    for (auto it = m_hadEnv.cbegin(); it != m_hadEnv.cend(); ++it) {
        if (it.value())
            qputenv(it.key().constData(), m_savedEnv.value(it.key()));
        else
            qunsetenv(it.key().constData());
    }
}

QString TestSandbox::homeDir() const
{
    return QDir(m_root.path()).filePath(QStringLiteral("home"));
}

QString TestSandbox::configDir() const
{
    return QDir(m_root.path()).filePath(QStringLiteral("home/.config"));
}

QString TestSandbox::dataDir() const
{
    return QDir(m_root.path()).filePath(QStringLiteral("home/.local/share"));
}

QString TestSandbox::currentDir() const
{
    return QDir(m_root.path()).filePath(QStringLiteral("cwd"));
}

QString TestSandbox::userDataDir() const
{
    return QDir(dataDir()).filePath(QStringLiteral("Quenvel/Yavo"));
}

QString TestSandbox::writeUserFile(const QString &name, const QByteArray &content) const
{
    return writeFile(QDir(m_root.path()).relativeFilePath(QDir(userDataDir()).filePath(name)),
                     content);
}

QString TestSandbox::writeFile(const QString &relativePath, const QByteArray &content) const
{
    const QString path = QDir(m_root.path()).filePath(relativePath);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    if (file.write(content) != content.size())
        return QString();
    return QFileInfo(path).absoluteFilePath();
}

void TestSandbox::setEnv(const char *name, const QString &value)
{
    qputenv(name, QFile::encodeName(value));
}

TemporaryCurrentDir::TemporaryCurrentDir()
    : m_saved(QDir::currentPath())
{
    if (m_dir.isValid())
        QDir::setCurrent(m_dir.path());
}

TemporaryCurrentDir::~TemporaryCurrentDir()
{
    QDir::setCurrent(m_saved);
}
