// sample_gen <folder>: writes the sample installation into the folder (the program folder of the
// trainer), keeping the candidate's progress.
#include "platform/fonts.h"
#include "sample/generator.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // The pictures are drawn off screen; the generator runs at build time, without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: sample_gen <folder>\n");
        return 2;
    }
    platform::installFontSubstitutions();
    QElapsedTimer timer;
    timer.start();
    QString error;
    if (!sample::generateInstallation(args[1], &error)) {
        std::fprintf(stderr, "sample_gen: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("sample_gen: installation written to %s in %lld ms\n", qPrintable(args[1]), timer.elapsed());
    return 0;
}
