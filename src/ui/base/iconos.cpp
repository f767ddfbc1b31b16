#include "ui/base/iconos.h"

#include <QColor>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

#include <algorithm>
#include <utility>

namespace tombolin {

namespace {

// Every drawing works on a 64x64 canvas; the helper scales it to each size.
using Dibujo = void (*)(QPainter&);

const QColor kContorno(0x33, 0x33, 0x33);
const QColor kPapel(0xfa, 0xfa, 0xf5);
const QColor kRayas(0x9a, 0x9a, 0x9a);
const QColor kVerde(0x2e, 0x9e, 0x44);
const QColor kRojo(0xd9, 0x30, 0x25);
const QColor kAzul(0x2f, 0x7f, 0xd8);
const QColor kGris(0xa9, 0xb4, 0xbf);

// Round joins keep the outline clean when the drawing shrinks to 16 px.
QPen Trazo(qreal ancho = 3.5, const QColor& color = kContorno) {
    return QPen(color, ancho, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Forma(QPainter& p, const QPolygonF& forma, const QColor& relleno) {
    p.setPen(Trazo());
    p.setBrush(relleno);
    p.drawPolygon(forma);
}

// Grey and half transparent, so a disabled button does not look clickable.
QPixmap Apagado(const QPixmap& original) {
    QImage imagen = original.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < imagen.height(); ++y) {
        auto* fila = reinterpret_cast<QRgb*>(imagen.scanLine(y));
        for (int x = 0; x < imagen.width(); ++x) {
            const int gris = 96 + qGray(fila[x]) * 5 / 8;  // flatten contrast too
            fila[x] = qRgba(gris, gris, gris, qAlpha(fila[x]) / 2);
        }
    }
    return QPixmap::fromImage(imagen);
}

// Drawn at the size and in the state a button asks for, when it first asks: an icon on a page
// that is not on show costs nothing at start, and every size is sharp.
class IconoDibujado : public QIconEngine {
  public:
    explicit IconoDibujado(Dibujo dibujo) : dibujo_(dibujo) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(
            rect, pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int lado = std::max(1, std::min(size.width(), size.height()));
        const bool apagado = mode == QIcon::Disabled;
        const int clave = lado * 2 + (apagado ? 1 : 0);
        if (const auto it = hechos_.find(clave); it != hechos_.end()) return *it;
        QPixmap lienzo(lado, lado);
        lienzo.fill(Qt::transparent);
        {
            QPainter p(&lienzo);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(lado / 64.0, lado / 64.0);
            dibujo_(p);
        }
        if (apagado) lienzo = Apagado(lienzo);
        hechos_.insert(clave, lienzo);
        return lienzo;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int lado = std::min(size.width(), size.height());
        return {lado, lado};
    }

    QIconEngine* clone() const override { return new IconoDibujado(*this); }

  private:
    Dibujo dibujo_;
    QHash<int, QPixmap> hechos_;
};

QIcon Construir(Dibujo dibujo) {
    return QIcon(new IconoDibujado(dibujo));
}

// A sheet with a folded corner and a few written lines, shared by create and edit.
void Hoja(QPainter& p, qreal dx) {
    Forma(p, QPolygonF({{10 + dx, 5}, {36 + dx, 5}, {48 + dx, 17}, {48 + dx, 59}, {10 + dx, 59}}),
          kPapel);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{36 + dx, 5}, {36 + dx, 17}, {48 + dx, 17}}));
    p.setPen(Trazo(3, kRayas));
    for (const qreal y : {26.0, 35.0, 44.0}) p.drawLine(QPointF(17 + dx, y), QPointF(41 + dx, y));
}

void DibujoCrear(QPainter& p) {
    Hoja(p, -2);
    // A green badge with a plus reads as "new" even at 16 px.
    p.setPen(Trazo());
    p.setBrush(kVerde);
    p.drawEllipse(QPointF(45, 45), 15, 15);
    p.setPen(Trazo(6, Qt::white));
    p.drawLine(QPointF(45, 37), QPointF(45, 53));
    p.drawLine(QPointF(37, 45), QPointF(53, 45));
}

void DibujoEditar(QPainter& p) {
    Hoja(p, -4);
    // The pencil is drawn along +x and turned so that its tip points down-left.
    p.save();
    p.translate(37, 37);
    p.rotate(135);
    Forma(p, QPolygonF({{-22, -7}, {12, -7}, {12, 7}, {-22, 7}}), QColor(0xf2, 0xc2, 0x30));
    Forma(p, QPolygonF({{-28, -7}, {-22, -7}, {-22, 7}, {-28, 7}}), QColor(0xe8, 0x8a, 0x9a));
    Forma(p, QPolygonF({{12, -7}, {28, 0}, {12, 7}}), QColor(0xf0, 0xd8, 0xb0));
    p.setPen(Qt::NoPen);
    p.setBrush(kContorno);
    p.drawPolygon(QPolygonF({{23, -2.5}, {28, 0}, {23, 2.5}}));
    p.restore();
}

void DibujoBorrarPena(QPainter& p) {
    Forma(p, QPolygonF({{24, 5}, {40, 5}, {40, 11}, {24, 11}}), kGris);
    Forma(p, QPolygonF({{14, 21}, {50, 21}, {46, 59}, {18, 59}}), kGris);
    p.setPen(Trazo());
    p.setBrush(kGris);
    p.drawRoundedRect(QRectF(8, 11, 48, 9), 2, 2);
    // Ribs make the body read as a bin rather than a plain cup.
    for (const qreal x : {25.0, 32.0, 39.0}) p.drawLine(QPointF(x, 29), QPointF(x, 51));
}

void DibujoBorrarSorteos(QPainter& p) {
    p.setPen(Trazo());
    p.setBrush(kPapel);
    p.drawRoundedRect(QRectF(6, 10, 52, 48), 4, 4);
    p.setBrush(kAzul);
    p.drawRoundedRect(QRectF(6, 10, 52, 13), 4, 4);
    p.setPen(Trazo(5));
    for (const qreal x : {20.0, 44.0}) p.drawLine(QPointF(x, 5), QPointF(x, 15));
    // Dark under red keeps the cross visible over any background.
    for (const auto& [ancho, color] : {std::pair{11.0, kContorno}, std::pair{6.0, kRojo}}) {
        p.setPen(Trazo(ancho, color));
        p.drawLine(QPointF(21, 30), QPointF(43, 51));
        p.drawLine(QPointF(43, 30), QPointF(21, 51));
    }
}

void DibujoImportarSorteos(QPainter& p) {
    Forma(p,
          QPolygonF({{5, 36}, {19, 36}, {23, 45}, {41, 45}, {45, 36}, {59, 36}, {59, 59}, {5, 59}}),
          kGris);
    Forma(p, QPolygonF({{25, 3}, {39, 3}, {39, 22}, {50, 22}, {32, 42}, {14, 22}, {25, 22}}),
          kAzul);
}

void DibujoImprimir(QPainter& p) {
    Forma(p, QPolygonF({{17, 5}, {47, 5}, {47, 26}, {17, 26}}), kPapel);
    p.setPen(Trazo());
    p.setBrush(kGris);
    p.drawRoundedRect(QRectF(5, 22, 54, 26), 5, 5);
    p.setBrush(kVerde);
    p.drawEllipse(QPointF(50, 31), 3, 3);
    // The printed sheet comes out of the front slot.
    Forma(p, QPolygonF({{17, 38}, {47, 38}, {47, 60}, {17, 60}}), kPapel);
    p.setPen(Trazo(3, kRayas));
    p.drawLine(QPointF(23, 47), QPointF(41, 47));
    p.drawLine(QPointF(23, 54), QPointF(41, 54));
}

// Three bars of different heights on a base line.
void DibujoEstadisticas(QPainter& p) {
    Forma(p, QPolygonF({{8, 34}, {20, 34}, {20, 56}, {8, 56}}), kAzul);
    Forma(p, QPolygonF({{26, 12}, {38, 12}, {38, 56}, {26, 56}}), kVerde);
    Forma(p, QPolygonF({{44, 26}, {56, 26}, {56, 56}, {44, 56}}), kRojo);
    p.setPen(Trazo(4));
    p.drawLine(QPointF(4, 59), QPointF(60, 59));
}

}  // namespace

QIcon IconoEstadisticas() {
    return Construir(DibujoEstadisticas);
}

QIcon IconoCrearPena() {
    return Construir(DibujoCrear);
}

QIcon IconoEditarPena() {
    return Construir(DibujoEditar);
}

QIcon IconoBorrarPena() {
    return Construir(DibujoBorrarPena);
}

QIcon IconoBorrarSorteos() {
    return Construir(DibujoBorrarSorteos);
}

QIcon IconoImportarSorteos() {
    return Construir(DibujoImportarSorteos);
}

QIcon IconoImprimir() {
    return Construir(DibujoImprimir);
}

}  // namespace tombolin
