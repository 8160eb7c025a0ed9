// Writes the program's icon, drawn at SIZE x SIZE pixels, as a PNG file: the
// installed bitmap icons come from the same drawing as the windows' icon.
#include "Widgets.h"

#include <QImage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SIZE FILE.png\n", argv[0]);
        return 2;
    }
    const int size = std::atoi(argv[1]);
    if (size < 1 || size > 1024) {
        std::fprintf(stderr, "%s: size out of range: %s\n", argv[0], argv[1]);
        return 2;
    }
    // Painting shapes into an image needs neither a screen nor an application object.
    if (!ProgramIconImage(size).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
