#include "impresora_registro.h"

namespace tombolin::pruebas {

bool ImpresoraRegistro::Empezar(const QString&) {
    if (fallarAlEmpezar) return false;
    empezado = true;
    return true;
}

void ImpresoraRegistro::Anotar(const QString& tipo, const QString& texto, double x, double y) {
    ordenes.push_back({tipo, texto, x, y, puntos_, negrita_, tenue_, pagina_});
}

void ImpresoraRegistro::ImprimirLinea(const QString& texto) {
    Anotar(QStringLiteral("linea"), texto, x_, y_);
    y_ += puntos_ * 25.4 / 72 * 1.15;
    x_ = 0;
}

void ImpresoraRegistro::Texto(double x, double y, const QString& texto) {
    Anotar(QStringLiteral("texto"), texto, x, y);
}

void ImpresoraRegistro::Linea(double x1, double y1, double, double) {
    Anotar(QStringLiteral("linea-recta"), {}, x1, y1);
}

void ImpresoraRegistro::Caja(double x, double y, double ancho, double alto, bool rellena) {
    Anotar(QStringLiteral("caja"), {}, x, y);
    ordenes.back().ancho = ancho;
    ordenes.back().alto = alto;
    ordenes.back().rellena = rellena;
}

void ImpresoraRegistro::Imagen(double x, double y, const QString& recurso) {
    Anotar(QStringLiteral("imagen"), recurso, x, y);
}

void ImpresoraRegistro::NuevaPagina() {
    ++pagina_;
    x_ = y_ = 0;
    Anotar(QStringLiteral("pagina"), {}, 0, 0);
}

std::vector<ImpresoraRegistro::Orden> ImpresoraRegistro::Lineas() const {
    std::vector<Orden> r;
    for (const Orden& o : ordenes)
        if (o.tipo == QStringLiteral("linea") && !o.texto.isEmpty()) r.push_back(o);
    return r;
}

}  // namespace tombolin::pruebas
