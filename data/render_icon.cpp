// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
// Renders the scalable icon to square bitmaps: to a PNG of one size for the
// icon themes that want bitmaps, or to a Windows .ico holding several sizes,
// each a PNG, as Windows Vista and later read them:
//   render_icon <icon.svg> <size>[,<size>...] <icon.png|icon.ico>
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <cstdio>

namespace {

QByteArray littleEndian(quint32 value, int bytes)
{
    QByteArray data(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        data[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return data;
}

// The header, one directory entry per image, then the images.
QByteArray icoFile(const QList<QByteArray> &pngs, const QList<int> &sizes)
{
    constexpr int headerBytes = 6;
    constexpr int entryBytes = 16;
    constexpr int bitsPerPixel = 32;
    QByteArray file = littleEndian(0, 2) + littleEndian(1, 2) + littleEndian(pngs.size(), 2);
    quint32 offset = headerBytes + entryBytes * pngs.size();
    for (qsizetype i = 0; i < pngs.size(); ++i) {
        const quint32 side = sizes[i] >= 256 ? 0 : sizes[i]; // 0 stands for 256
        file += littleEndian(side, 1) + littleEndian(side, 1) + littleEndian(0, 2) + littleEndian(1, 2)
                + littleEndian(bitsPerPixel, 2) + littleEndian(pngs[i].size(), 4) + littleEndian(offset, 4);
        offset += pngs[i].size();
    }
    for (const QByteArray &png : pngs)
        file += png;
    return file;
}

} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const bool ico = args.value(3).endsWith(QLatin1String(".ico"));
    // An .ico entry is at most 256 pixels; a web app asks for 512.
    const int largest = ico ? 256 : 1024;
    QList<int> sizes;
    for (const QString &size : args.value(2).split(',')) {
        bool sizeOk = false;
        sizes << size.toInt(&sizeOk);
        if (!sizeOk || sizes.last() <= 0 || sizes.last() > largest)
            sizes.clear();
    }
    if (args.size() != 4 || sizes.isEmpty() || (!ico && sizes.size() != 1)) {
        std::fputs("usage: render_icon <icon.svg> <size>[,<size>...] <icon.png|icon.ico>\n", stderr);
        return 2;
    }

    QList<QByteArray> pngs;
    for (const int size : sizes) {
        QImageReader reader(args[1]);
        reader.setScaledSize(QSize(size, size));
        const QImage image = reader.read();
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        if (image.isNull() || !image.save(&png, "PNG")) {
            std::fprintf(stderr, "render_icon: %s\n", qPrintable(reader.errorString()));
            return 1;
        }
        pngs << png.data();
    }
    QFile out(args[3]);
    if (!out.open(QIODevice::WriteOnly) || out.write(ico ? icoFile(pngs, sizes) : pngs.first()) < 0) {
        std::fprintf(stderr, "render_icon: %s\n", qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
