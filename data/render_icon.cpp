// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
// Renders the scalable icon to a square PNG of the given size, for the icon
// themes that want bitmaps: render_icon <icon.svg> <size> <icon.png>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool sizeOk = false;
    const int size = args.value(2).toInt(&sizeOk);
    if (args.size() != 4 || !sizeOk || size <= 0) {
        std::fputs("usage: render_icon <icon.svg> <size> <icon.png>\n", stderr);
        return 2;
    }

    QImageReader reader(args[1]);
    reader.setScaledSize(QSize(size, size));
    const QImage image = reader.read();
    if (image.isNull() || !image.save(args[3], "PNG")) {
        std::fprintf(stderr, "render_icon: %s\n", qPrintable(reader.errorString()));
        return 1;
    }
    return 0;
}
