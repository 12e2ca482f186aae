// Writes the program icon as the PNGs the desktop's icon theme looks up:
// OUTDIR/<n>x<n>/apps/kestro.png for each size the menu and launchers ask for.
#include <QDir>
#include <QImage>
#include <cstdio>

#include "resources/icons.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    for (int size : {32, 64, 128}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        const QString file = dir + QStringLiteral("/kestro.png");
        if (!QDir().mkpath(dir) || !ProgramIconAt(size).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
