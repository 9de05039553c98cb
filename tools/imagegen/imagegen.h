#pragma once

// The project's image generator: every image in the tree is drawn in code here, so the artwork can be reviewed,
// changed and regenerated like any other source. Each draw_<subsystem>.cpp registers one function.
//
// Every function runs twice: at scale 1 and at scale 2. newImage() gives a canvas of the logical size times the
// scale with that device pixel ratio, so a painter on it draws in logical coordinates; png() then writes
// "name.png" or "name@2x.png", which QIcon and the library's pixmap loading pick on high-DPI screens. Animations,
// icons and the Designer plugin's images are written at scale 1 only.

#include <QImage>
#include <QString>
#include <QVector>

class ImageSink
{
public:
    explicit ImageSink(const QString& root);
    // Writes a PNG at `path`, relative to the repository root.
    void png(const QString& path, const QImage& image);
    // Writes a looping GIF animation; `delay` is the time per frame in hundredths of a second.
    void gif(const QString& path, const QVector<QImage>& frames, int delay);
    // Writes a Windows icon holding one 32-bit PNG image.
    void ico(const QString& path, const QImage& image);
    int written() const { return count; }
    int scale() const { return factor; }
    void setScale(int scale) { factor = scale; }
    bool failed() const { return error; }

private:
    QString absolute(const QString& path) const;
    QString root;
    int count = 0;
    int factor = 1;
    bool error = false;
};

using DrawFunction = void (*)(ImageSink&);

struct ImageGenRegistrar
{
    explicit ImageGenRegistrar(DrawFunction function);
};

QVector<DrawFunction>& imageGenFunctions();

// Helpers shared by the drawing files.
// A transparent ARGB32 premultiplied canvas of width x height logical pixels at the current scale.
QImage newImage(int width, int height);
bool writeGif(const QString& fileName, const QVector<QImage>& frames, int delay);
