// skingen: draws the program's skin images at build time, in one dark look
// with red accents, so that the artwork is source code like the rest.
//
//   skingen OUTDIR             the run-time images into OUTDIR (= <app>/skin)
//   skingen --resources OUTDIR the two compiled-in icons (yes_Btn, no_Btn)
//   skingen --icons OUTDIR     the desktop icon into OUTDIR (= a hicolor theme)

#include "tools/skingen/Artwork.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <QTextStream>

#include <functional>

namespace {

bool save(const QImage &image, const QString &file)
{
    QImageWriter writer(file);
    if (!writer.write(image)) {
        QTextStream(stderr) << "skingen: cannot write " << file << ": " << writer.errorString()
                            << Qt::endl;
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args.at(0) == QLatin1String("--resources")) {
        QDir().mkpath(args.at(1));
        bool ok = save(Artwork::resourceIcon(true), args.at(1) + QStringLiteral("/yes_Btn.png"));
        ok = save(Artwork::resourceIcon(false), args.at(1) + QStringLiteral("/no_Btn.png")) && ok;
        return ok ? 0 : 1;
    }
    if (args.size() == 2 && args.at(0) == QLatin1String("--icons")) {
        const QString out = args.at(1);
        bool ok = true;
        const QVector<Artwork::Image> icons = Artwork::desktopIcons();
        for (const Artwork::Image &icon : icons) {
            const QString file = out + QLatin1Char('/') + icon.name;
            QDir().mkpath(QFileInfo(file).path());
            ok = save(icon.draw(), file) && ok;
        }
        QDir().mkpath(out + QStringLiteral("/scalable/apps"));
        QSaveFile svg(out + QStringLiteral("/scalable/apps/korvalen-config.svg"));
        if (!svg.open(QIODevice::WriteOnly) || svg.write(Artwork::desktopIconSvg()) < 0 ||
            !svg.commit()) {
            QTextStream(stderr) << "skingen: cannot write " << svg.fileName() << ": "
                                << svg.errorString() << Qt::endl;
            ok = false;
        }
        return ok ? 0 : 1;
    }
    if (args.size() != 1) {
        QTextStream(stderr) << "usage: skingen OUTDIR | skingen --resources OUTDIR"
                               " | skingen --icons OUTDIR"
                            << Qt::endl;
        return 2;
    }
    const QString out = args.at(0);
    QDir().mkpath(out + QStringLiteral("/mouse"));
    bool ok = true;
    const QVector<Artwork::Image> images = Artwork::allImages();
    for (const Artwork::Image &image : images)
        ok = save(image.draw(), out + QLatin1Char('/') + image.name) && ok;
    return ok ? 0 : 1;
}
