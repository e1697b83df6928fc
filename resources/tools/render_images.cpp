// Build-time tool: renders one hand-drawn SVG of resources/images into the raster file the
// scene loads (PNG, or ICO for the window icon), so no image binaries live in the repository.
// usage: render_images <in.svg> <out.png|out.ico> [scale]
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // image-format plugins (ICO) need the application object
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: render_images <in.svg> <out> [scale]\n");
        return 2;
    }
    const double scale = args.size() > 3 ? args.at(3).toDouble() : 1.0;
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid() || scale <= 0.0) {
        std::fprintf(stderr, "render_images: cannot render %s\n", qPrintable(args.at(1)));
        return 1;
    }
    const QSize size = renderer.defaultSize() * scale;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();

    QImageWriter writer(args.at(2));
    if (!writer.write(image)) {
        std::fprintf(stderr, "render_images: cannot write %s: %s\n", qPrintable(args.at(2)),
                     qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
