// Saves a picture of the whole screen of $DISPLAY to the file given
// (used by scripts/screenshot-main under a virtual screen).
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <picture.png>\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot save the screen to %s\n", argv[1]);
        return 1;
    }
    return 0;
}
