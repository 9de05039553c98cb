// A small GIF89a writer (Qt reads GIF but does not write it): one global palette, looping, transparency.

#include "imagegen.h"

#include <QFile>
#include <QHash>

namespace {

// Palette: index 0 transparent, a 6x6x6 colour cube, then a ramp of greys, up to 256 entries.
QVector<QRgb> makePalette()
{
    QVector<QRgb> palette { qRgb(0, 0, 0) };
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.append(qRgb(r * 51, g * 51, b * 51));
    while (palette.size() < 256) {
        const int v = (palette.size() - 217) * 255 / 38;
        palette.append(qRgb(v, v, v));
    }
    return palette;
}

int nearest(const QVector<QRgb>& palette, QRgb color, QHash<QRgb, int>& cache)
{
    auto it = cache.constFind(color);
    if (it != cache.constEnd())
        return it.value();
    int best = 1;
    int bestDistance = INT_MAX;
    for (int i = 1; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(color);
        const int dg = qGreen(palette[i]) - qGreen(color);
        const int db = qBlue(palette[i]) - qBlue(color);
        const int distance = dr * dr * 3 + dg * dg * 4 + db * db * 2;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    cache.insert(color, best);
    return best;
}

class BitWriter
{
public:
    void write(int code, int width)
    {
        buffer |= quint32(code) << bits;
        bits += width;
        while (bits >= 8) {
            bytes.append(char(buffer & 0xff));
            buffer >>= 8;
            bits -= 8;
        }
    }
    QByteArray finish()
    {
        if (bits > 0)
            bytes.append(char(buffer & 0xff));
        return bytes;
    }

private:
    QByteArray bytes;
    quint32 buffer = 0;
    int bits = 0;
};

// Variable-width LZW over 8-bit indices, as GIF wants it.
QByteArray lzw(const QByteArray& indices)
{
    const int minCodeSize = 8;
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    BitWriter out;
    QHash<quint32, int> table;
    int nextCode = endCode + 1;
    int codeWidth = minCodeSize + 1;
    out.write(clearCode, codeWidth);
    if (indices.isEmpty()) {
        out.write(endCode, codeWidth);
        return out.finish();
    }
    int prefix = quint8(indices[0]);
    for (int i = 1; i < indices.size(); ++i) {
        const int c = quint8(indices[i]);
        const quint32 key = (quint32(prefix) << 8) | quint32(c);
        auto it = table.constFind(key);
        if (it != table.constEnd()) {
            prefix = it.value();
            continue;
        }
        out.write(prefix, codeWidth);
        if (nextCode < 4096) {
            table.insert(key, nextCode);
            if (nextCode == (1 << codeWidth) && codeWidth < 12)
                ++codeWidth;
            ++nextCode;
        } else {
            out.write(clearCode, codeWidth);
            table.clear();
            nextCode = endCode + 1;
            codeWidth = minCodeSize + 1;
        }
        prefix = c;
    }
    out.write(prefix, codeWidth);
    out.write(endCode, codeWidth);
    return out.finish();
}

void le16(QByteArray& out, int v)
{
    out.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
}

} // namespace

bool writeGif(const QString& fileName, const QVector<QImage>& frames, int delay)
{
    if (frames.isEmpty())
        return false;
    const int width = frames.first().width();
    const int height = frames.first().height();
    const QVector<QRgb> palette = makePalette();
    QHash<QRgb, int> cache;
    QByteArray gif("GIF89a");
    le16(gif, width);
    le16(gif, height);
    gif.append(char(0xf7)).append(char(0)).append(char(0)); // global table of 256 entries
    for (QRgb c : palette)
        gif.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    gif.append("\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00", 19); // loop forever
    for (const QImage& source : frames) {
        const QImage frame = source.convertToFormat(QImage::Format_ARGB32).scaled(width, height);
        gif.append("\x21\xf9\x04", 3);
        gif.append(char(0x09)); // restore to background, transparent index present
        le16(gif, delay);
        gif.append(char(0)).append(char(0));
        gif.append(char(0x2c));
        le16(gif, 0);
        le16(gif, 0);
        le16(gif, width);
        le16(gif, height);
        gif.append(char(0));
        QByteArray indices;
        indices.reserve(width * height);
        for (int y = 0; y < height; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < width; ++x)
                indices.append(char(qAlpha(line[x]) < 128 ? 0 : nearest(palette, line[x] | 0xff000000u, cache)));
        }
        gif.append(char(8));
        const QByteArray data = lzw(indices);
        for (int i = 0; i < data.size(); i += 255) {
            const QByteArray block = data.mid(i, 255);
            gif.append(char(block.size()));
            gif.append(block);
        }
        gif.append(char(0));
    }
    gif.append(char(0x3b));
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(gif) == gif.size();
}
