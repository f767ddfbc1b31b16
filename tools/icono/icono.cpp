// Renders the program's SVG icon to the PNG sizes a desktop's icon theme looks for:
//   herramienta_icono tombolin.svg carpeta 16 32 48 ...
// writes carpeta/NxN/apps/<name>.png for each size.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    // Nothing is shown: the offscreen platform lets it run on a build machine without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "uso: herramienta_icono icono.svg carpeta tamaño...\n");
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "no se puede leer %s\n", qPrintable(args[1]));
        return 1;
    }
    const QString nombre = QFileInfo(args[1]).completeBaseName();
    for (qsizetype i = 3; i < args.size(); ++i) {
        bool ok = false;
        const int lado = args[i].toInt(&ok);
        if (!ok || lado <= 0) {
            std::fprintf(stderr, "tamaño no válido: %s\n", qPrintable(args[i]));
            return 2;
        }
        QImage imagen(lado, lado, QImage::Format_ARGB32_Premultiplied);
        imagen.fill(Qt::transparent);
        {
            QPainter p(&imagen);
            p.setRenderHint(QPainter::Antialiasing);
            svg.render(&p);
        }
        const QString carpeta = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(lado);
        if (!QDir().mkpath(carpeta) ||
            !imagen.save(carpeta + QLatin1Char('/') + nombre + QStringLiteral(".png"))) {
            std::fprintf(stderr, "no se puede escribir en %s\n", qPrintable(carpeta));
            return 1;
        }
    }
    return 0;
}
