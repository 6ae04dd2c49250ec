#include "formats/formatreader.h"

#include "private/documentlimits_p.h"

#include <QIODevice>
#include <QSet>

FormatReader::FormatReader() = default;

FormatReader::~FormatReader() = default;

int FormatReader::type() const
{
    return UnknownType;
}

bool FormatReader::isZipArchive(QIODevice *device)
{
    const QByteArray head = device->peek(4);
    return head.size() == 4 && head == QByteArray("PK\x03\x04", 4);
}

int FormatReader::headingLevelOfStyleName(QStringView name)
{
    if (name.startsWith(QLatin1String("Head")))
        return qBound(1, name.back().digitValue(), 6);
    // Built-in style names as Word and others store them ("heading 1")
    // name their level in any case; "header" is no heading.
    if (name.startsWith(QLatin1String("heading"), Qt::CaseInsensitive)) {
        const int digit = name.back().digitValue();
        return digit < 0 ? 0 : qBound(1, digit, 6);
    }
    return 0;
}

void FormatReader::handDownStyle(const QString &name, QStringList dependents, int &count,
                                 const std::function<QStringList(const QString &)> &handDown)
{
    QSet<QString> reached{name};
    while (!dependents.isEmpty() && count < DocumentLimits::MaxStyleHandDowns) {
        ++count;
        const QString dependent = dependents.takeFirst();
        if (reached.contains(dependent))
            continue;
        reached.insert(dependent);
        dependents += handDown(dependent);
    }
}
