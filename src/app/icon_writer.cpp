// numbers3zubarin-icon: writes the program's icon, the blue ball, as a PNG
// of the given size (the build makes the icon theme's sizes with it).
//   numbers3zubarin-icon SIZE OUT.png
#include <cstdio>
#include <cstdlib>

#include "platform/qt/grid/blue_ball.h"

int main(int argc, char** argv) {
    const int side = argc == 3 ? std::atoi(argv[1]) : 0;
    if (side < 16 || side > 1024) {
        std::fprintf(stderr, "usage: numbers3zubarin-icon SIZE(16-1024) OUT.png\n");
        return 2;
    }
    if (!n3::BlueBallImage(side).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s に書き込めません。\n", argv[2]);
        return 1;
    }
    return 0;
}
