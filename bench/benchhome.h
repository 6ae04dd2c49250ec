#ifndef YAVO_BENCHHOME_H
#define YAVO_BENCHHOME_H

#include <QDir>
#include <QTemporaryDir>

// The settings, data and current folder of a benchmark run, in a folder of
// their own while the object lives: not the user's, and not the folder the
// benchmark was started in (the word processor keeps its user dictionary
// store under the current folder).
class BenchHome
{
public:
    BenchHome()
    {
        qputenv("HOME", m_home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (m_home.path() + QLatin1String("/.config")).toUtf8());
        qputenv("XDG_DATA_HOME", (m_home.path() + QLatin1String("/.local/share")).toUtf8());
        QDir::setCurrent(m_home.path());
    }

private:
    QTemporaryDir m_home;
};

#endif
