#pragma once

#include <QString>

namespace tombolin {

// The printer, in the terms the program prints with: millimetres measured from the paper's
// edge, a current position that each printed line moves down, fonts in points. The real one
// draws with QPainter on a QPrinter; tests record what is asked of it.
class Impresora {
  public:
    virtual ~Impresora() = default;

    // Starts a document; false when the printer can't be used.
    virtual bool Empezar(const QString& titulo) = 0;

    virtual void TamanoFuente(double puntos) = 0;
    virtual void Negrita(bool negrita) = 0;
    // Faint grey lines, boxes and text, for what is shown on screen and never meant for paper.
    virtual void Tenue(bool tenue) = 0;
    virtual void PonerX(double mm) = 0;
    virtual void PonerY(double mm) = 0;
    virtual double Y() const = 0;
    // How wide a text prints in the current font, in millimetres.
    virtual double AnchoTexto(const QString& texto) const = 0;

    // Prints a line at the current position; the position moves to the start of the next line
    // (a new page when the page is full). An empty text leaves an empty line.
    virtual void ImprimirLinea(const QString& texto) = 0;
    // Text at a place, leaving the current position alone.
    virtual void Texto(double x, double y, const QString& texto) = 0;
    virtual void Linea(double x1, double y1, double x2, double y2) = 0;
    virtual void Caja(double x, double y, double ancho, double alto, bool rellena) = 0;
    // One of the program's pictures (a resource name) at its own size.
    virtual void Imagen(double x, double y, const QString& recurso) = 0;

    virtual void NuevaPagina() = 0;
    // Sends the document to the printer, or throws it away.
    virtual void Terminar() = 0;
    virtual void Cancelar() = 0;
};

}  // namespace tombolin
