#ifndef YAVO_EDITOROWNER_H
#define YAVO_EDITOROWNER_H

class QWidget;

// What a document editor asks of the widget that created it (the word
// processor's tab widget). The owner implements this beside its widget base;
// an editor whose parent does not is on its own and uses the defaults noted.
class EditorOwner
{
public:
    virtual ~EditorOwner() = default;

    // The point size of a new editor's font (14 without an owner).
    virtual int fontSize() const = 0;
    // Escape was pressed in the editor. True when the owner used the key up
    // (it closed its find panel); false without an owner.
    virtual bool onEscapePressed() = 0;
    // The window that carries the editor's notices (none without an owner).
    virtual QWidget *mainWindow() const = 0;
};

#endif
