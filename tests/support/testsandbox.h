#ifndef YAVO_TESTSANDBOX_H
#define YAVO_TESTSANDBOX_H

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTemporaryDir>

// A throw-away home for one test: settings, the per-user data and config
// folders and the current folder all point into a temporary folder while the
// object lives, and are put back when it goes. Nest freely: each sandbox
// restores exactly what it replaced.
class TestSandbox
{
public:
    TestSandbox();
    ~TestSandbox();

    TestSandbox(const TestSandbox &) = delete;
    TestSandbox &operator=(const TestSandbox &) = delete;

    bool isValid() const { return m_root.isValid(); }
    QString root() const { return m_root.path(); }
    QString homeDir() const;
    QString configDir() const;   // XDG_CONFIG_HOME; QSettings writes below it
    QString dataDir() const;     // XDG_DATA_HOME (GenericDataLocation)
    QString currentDir() const;  // the current folder while the sandbox lives
    // Where the word processor keeps the user's own files (search history,
    // user dictionary, "usr.dct"): its folder in the data folder.
    QString userDataDir() const;

    // Writes a file below the sandbox root (folders created as needed) and
    // returns its absolute path; an empty string on failure.
    QString writeFile(const QString &relativePath, const QByteArray &content) const;
    // The same for a file of the user data folder.
    QString writeUserFile(const QString &name, const QByteArray &content) const;

private:
    void setEnv(const char *name, const QString &value);

    QTemporaryDir m_root;
    QHash<QByteArray, QByteArray> m_savedEnv;
    QHash<QByteArray, bool> m_hadEnv;
    QString m_savedCurrentDir;
    QString m_savedNativeSettingsPath;
    QString m_savedIniSettingsPath;
};

// Changes the current folder to a fresh temporary folder while it lives.
class TemporaryCurrentDir
{
public:
    TemporaryCurrentDir();
    ~TemporaryCurrentDir();

    TemporaryCurrentDir(const TemporaryCurrentDir &) = delete;
    TemporaryCurrentDir &operator=(const TemporaryCurrentDir &) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_saved;
};

#endif
