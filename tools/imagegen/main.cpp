#include "imagegen.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

ImageSink::ImageSink(const QString& root)
    : root(root)
{
}

QString ImageSink::absolute(const QString& path) const
{
    const QString file = QDir(root).filePath(path);
    QDir().mkpath(QFileInfo(file).absolutePath());
    return file;
}

namespace {
int currentScale = 1;
}

void ImageSink::png(const QString& path, const QImage& image)
{
    QString target = path;
    if (factor != 1) {
        if (path.startsWith(QLatin1String("designer/")))
            return;
        const int dot = path.lastIndexOf(QLatin1Char('.'));
        target = path.left(dot) + QStringLiteral("@%1x").arg(factor) + path.mid(dot);
    }
    if (image.save(absolute(target), "PNG"))
        ++count;
    else
        error = true;
}

void ImageSink::gif(const QString& path, const QVector<QImage>& frames, int delay)
{
    if (factor != 1)
        return;
    if (writeGif(absolute(path), frames, delay))
        ++count;
    else
        error = true;
}

void ImageSink::ico(const QString& path, const QImage& image)
{
    if (factor != 1)
        return;
    QByteArray pngData;
    {
        QBuffer buffer(&pngData);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }
    QFile file(absolute(path));
    if (!file.open(QIODevice::WriteOnly)) {
        error = true;
        return;
    }
    auto le16 = [](QByteArray& out, quint16 v) { out.append(char(v & 0xff)).append(char(v >> 8)); };
    auto le32 = [&](QByteArray& out, quint32 v) {
        le16(out, v & 0xffff);
        le16(out, v >> 16);
    };
    QByteArray header;
    le16(header, 0);
    le16(header, 1);
    le16(header, 1);
    header.append(char(image.width() >= 256 ? 0 : image.width()))
        .append(char(image.height() >= 256 ? 0 : image.height()));
    header.append(char(0)).append(char(0));
    le16(header, 1);
    le16(header, 32);
    le32(header, quint32(pngData.size()));
    le32(header, 22);
    file.write(header);
    file.write(pngData);
    ++count;
}

QImage newImage(int width, int height)
{
    QImage image(width * currentScale, height * currentScale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(currentScale);
    image.fill(Qt::transparent);
    return image;
}

QVector<DrawFunction>& imageGenFunctions()
{
    static QVector<DrawFunction> functions;
    return functions;
}

ImageGenRegistrar::ImageGenRegistrar(DrawFunction function)
{
    imageGenFunctions().append(function);
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: zcb_imagegen <repository root>\n";
        return 2;
    }
    ImageSink sink(args.at(1));
    for (int scale : { 1, 2 }) {
        currentScale = scale;
        sink.setScale(scale);
        for (DrawFunction draw : imageGenFunctions())
            draw(sink);
    }
    QTextStream(stdout) << "wrote " << sink.written() << " images under " << args.at(1) << "\n";
    return sink.failed() ? 1 : 0;
}
