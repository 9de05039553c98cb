#pragma once

// The project's image generator: every image in the tree is drawn in code here, so the artwork can be reviewed,
// changed and regenerated like any other source. Each draw_<subsystem>.cpp registers one function.

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
    bool failed() const { return error; }

private:
    QString absolute(const QString& path) const;
    QString root;
    int count = 0;
    bool error = false;
};

using DrawFunction = void (*)(ImageSink&);

struct ImageGenRegistrar
{
    explicit ImageGenRegistrar(DrawFunction function);
};

QVector<DrawFunction>& imageGenFunctions();

// Helpers shared by the drawing files.
QImage newImage(int width, int height); // transparent ARGB32 premultiplied
bool writeGif(const QString& fileName, const QVector<QImage>& frames, int delay);
