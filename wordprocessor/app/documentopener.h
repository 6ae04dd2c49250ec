#ifndef DOCUMENTOPENER_H
#define DOCUMENTOPENER_H

class QString;

// What a browsing widget needs of the document manager: open one file in a
// new tab (or tell the user why it cannot). The tab widget implements it.
class DocumentOpener
{
public:
    virtual ~DocumentOpener() = default;
    virtual void openFile(const QString &path) = 0;
};

#endif
