// skingen: draws the program's skin images at build time, in one dark look
// with red accents, so that the artwork is source code like the rest.
//
//   skingen OUTDIR             the run-time images into OUTDIR (= <app>/skin)
//   skingen --resources OUTDIR the two compiled-in icons (yes_Btn, no_Btn)

#include "tools/skingen/Artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
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
    if (args.size() != 1) {
        QTextStream(stderr) << "usage: skingen OUTDIR | skingen --resources OUTDIR" << Qt::endl;
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
