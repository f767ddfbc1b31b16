#pragma once

#include <QString>
#include <vector>

#include "core/impresora.h"

namespace tombolin::pruebas {

// A printer that records what it is asked to print, following the print position as a line
// printer would (a line is its font size in points, in millimetres, times 1.15).
class ImpresoraRegistro : public Impresora {
  public:
    struct Orden {
        QString tipo;  // "linea", "texto", "imagen", "linea-recta", "caja", "pagina"
        QString texto;
        double x = 0, y = 0;
        double puntos = 0;
        bool negrita = false;
        bool tenue = false;
        int pagina = 1;
        double ancho = 0, alto = 0;  // of a box
        bool rellena = false;
    };

    std::vector<Orden> ordenes;
    bool empezado = false;
    bool terminado = false;
    bool cancelado = false;
    bool fallarAlEmpezar = false;

    bool Empezar(const QString&) override;
    void TamanoFuente(double puntos) override { puntos_ = puntos; }
    void Negrita(bool negrita) override { negrita_ = negrita; }
    void Tenue(bool tenue) override { tenue_ = tenue; }
    void PonerX(double mm) override { x_ = mm; }
    void PonerY(double mm) override { y_ = mm; }
    double Y() const override { return y_; }
    // Each character 0.6 of the font's size (2.835 points to the millimetre), a little over what
    // Liberation Sans takes.
    double AnchoTexto(const QString& t) const override { return t.size() * puntos_ * 0.6 / 2.835; }
    void ImprimirLinea(const QString& texto) override;
    void Texto(double x, double y, const QString& texto) override;
    void Linea(double x1, double y1, double, double) override;
    void Caja(double x, double y, double ancho, double alto, bool rellena) override;
    void Imagen(double x, double y, const QString& recurso) override;
    void NuevaPagina() override;
    void Terminar() override { terminado = true; }
    void Cancelar() override { cancelado = true; }

    // The printed lines that are not empty, in order.
    std::vector<Orden> Lineas() const;

  private:
    void Anotar(const QString& tipo, const QString& texto, double x, double y);

    double puntos_ = 10;
    bool negrita_ = false;
    bool tenue_ = false;
    double x_ = 0, y_ = 0;
    int pagina_ = 1;
};

}  // namespace tombolin::pruebas
