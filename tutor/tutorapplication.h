#ifndef YAVO_TUTORAPPLICATION_H
#define YAVO_TUTORAPPLICATION_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the tutor sets up on its application before it opens its window.
namespace TutorApplication {

// Qt Quick draws with OpenGL; on a machine (or a headless session) where no
// OpenGL context can be made it would abort, and where the OpenGL is a
// rasterizer on the processor (as without a graphics driver, in virtual
// machines and many remote desktops) every frame costs a core, so the tutor
// then draws with the software scene graph, which redraws only what
// changed. A backend chosen through the environment wins. Call after the
// application object exists and before any Qt Quick window.
void chooseSceneGraphBackend();

// The renderer string (GL_RENDERER) of the OpenGL that Qt Quick would draw
// with; a null array when no context can be made current.
QByteArray openGLRenderer();

// Whether an OpenGL renderer string (GL_RENDERER) names a rasterizer that
// runs on the processor.
bool isSoftwareRasterizer(const QByteArray &renderer);

// Registers the built-in Indic fonts and makes the family of the main one,
// at 15 pixels, the application's font. Returns that family, "" when it
// could not be registered (the default family then stays, at 15 pixels).
QString installFont();

// For each language, in the order of the language numbers, the family of
// the built-in font that has its script: a font asked for a script it has
// no tables for draws it in another font, and says so on every size the
// views try. The application font's family where none has it (English).
QStringList scriptFontFamilies();

} // namespace TutorApplication

#endif
