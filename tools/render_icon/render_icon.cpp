// Writes the program's icon, as the program draws it, into PNG files for the desktop's
// icon theme: <folder>/<n>x<n>/apps/starloom.png for each size n given. The build runs it:
//     starloom-render-icon <folder> 16 22 24 32 48 64 128 256
#include "shell/program_icon.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <cstdio>

namespace {

constexpr int kLargestSide = 1024; // pixels

int Fail(const QString &message) {
    std::fprintf(stderr, "starloom-render-icon: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[]) {
    // Drawing needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 3)
        return Fail(QStringLiteral("usage: starloom-render-icon <folder> <size>..."));

    const QDir folder(args.at(1));
    const QIcon icon = starloom::ProgramIcon();
    for (qsizetype i = 2; i < args.size(); ++i) {
        bool isNumber = false;
        const int side = args.at(i).toInt(&isNumber);
        if (!isNumber || side < 1 || side > kLargestSide)
            return Fail(QStringLiteral("not a size: %1").arg(args.at(i)));
        const QString subfolder = QStringLiteral("%1x%1/apps").arg(side);
        if (!folder.mkpath(subfolder))
            return Fail(QStringLiteral("cannot make %1").arg(folder.filePath(subfolder)));
        // One pixel per unit whatever the screen: these files are the sizes they are named.
        const QImage image = icon.pixmap(QSize(side, side), 1.0).toImage();
        if (image.size() != QSize(side, side))
            return Fail(QStringLiteral("the icon came out %1 x %2 for %3")
                            .arg(image.width())
                            .arg(image.height())
                            .arg(side));
        const QString path = folder.filePath(subfolder + QStringLiteral("/starloom.png"));
        if (!image.save(path, "PNG"))
            return Fail(QStringLiteral("cannot write %1").arg(path));
    }
    return 0;
}
