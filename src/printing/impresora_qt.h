#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <memory>

#include "core/impresora.h"

namespace tombolin {

// The printer through QPrinter and QPainter, in full-page mode so that millimetres are measured
// from the paper's edge. Liberation Sans stands in for Arial.
class ImpresoraQt : public Impresora {
  public:
    ImpresoraQt();
    // Draws on another printer (a print preview's).
    explicit ImpresoraQt(QPrinter& destino);
    ~ImpresoraQt() override;

    QPrinter& Printer() { return P(); }
    // Prints into a PDF file instead of a printer.
    void SalidaPdf(const QString& ruta);

    bool Empezar(const QString& titulo) override;
    void TamanoFuente(double puntos) override;
    void Negrita(bool negrita) override;
    void Tenue(bool tenue) override;
    void PonerX(double mm) override { x_ = mm; }
    void PonerY(double mm) override { y_ = mm; }
    double Y() const override { return y_; }
    double AnchoTexto(const QString& texto) const override;
    void ImprimirLinea(const QString& texto) override;
    void Texto(double x, double y, const QString& texto) override;
    void Linea(double x1, double y1, double x2, double y2) override;
    void Caja(double x, double y, double ancho, double alto, bool rellena) override;
    void Imagen(double x, double y, const QString& recurso) override;
    void NuevaPagina() override;
    void Terminar() override;
    void Cancelar() override;

  private:
    double Px(double mm) const;
    double AltoLinea() const;  // in millimetres
    double AltoPagina() const;
    // The program's own printer is made when first used: making it loads the printing system,
    // which the start-up need not wait for.
    QPrinter& P() const;

    mutable std::unique_ptr<QPrinter> propia_;
    QPrinter* printer_ = nullptr;
    QPainter painter_;
    QFont fuente_;
    double x_ = 0;
    double y_ = 0;
};

}  // namespace tombolin
