#ifndef YAVO_YVWORKER_H
#define YAVO_YVWORKER_H

#include <QObject>
#include <QString>

class QTextDocument;

// Converts Kannada typed in the Nudi font encoding ("ANSI" text) into
// Unicode Kannada, word by word, keeping each word's character format: a
// string, a document in place, or a whole file written beside its original
// format as "Unicode-<name>".
//
// Every conversion runs to completion inside the slot call and emits its
// signal before returning; the worker keeps no state between calls.
class yvWorker : public QObject
{
    Q_OBJECT

public:
    yvWorker();

Q_SIGNALS:
    // A string or document conversion has finished. For a string, the
    // receiver owns the new document.
    void done(QTextDocument *document);
    // A file conversion has finished: the path written, or an empty string
    // when nothing was written.
    void fileCompleted(QString filename);

public Q_SLOTS:
    void convertANSI2Unicode(QString text);
    void convertANSI2Unicode(QTextDocument *doc);
    void convertANSI2UnicodeFile(QString filename, QString dstFolder);

private:
    void convertDocument(QTextDocument *document);
    QString writeConverted(const QString &filename, const QString &dstFolder);
};

#endif
