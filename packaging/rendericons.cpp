// Renders the program's icon into the files the desktop's icon theme holds: one PNG per
// size and the scalable picture, from the same drawing the about window shows.
#include "windows/lumentafellogo.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[]) {
    const QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 3) {
        std::fputs("usage: lumentafel-render-icons FOLDER SIZE...\n", stderr);
        return 2;
    }
    const QDir folder(arguments.at(1));
    for (const QString& size : arguments.mid(2)) {
        const int pixels = size.toInt();
        const QString dir = QStringLiteral("%1x%1/apps").arg(pixels);
        if (pixels <= 0 || !folder.mkpath(dir) ||
            !LumentafelLogo::markImage(pixels).save(folder.filePath(dir + "/lumentafel.png")))
            return 1;
    }
    if (!folder.mkpath(QStringLiteral("scalable/apps")))
        return 1;
    QFile svg(folder.filePath(QStringLiteral("scalable/apps/lumentafel.svg")));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(LumentafelLogo::markSvg(256)) < 0)
        return 1;
    return 0;
}
