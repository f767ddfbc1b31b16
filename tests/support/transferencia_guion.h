#pragma once

#include <QStringList>

#include "results/transferencia.h"

namespace tombolin::pruebas {

// A transfer the test drives by hand: it records what is asked for and stays connecting until
// the test makes the answer arrive, in pieces, and end.
class TransferenciaGuion : public Transferencia {
  public:
    QStringList pedidas;
    int canceladas = 0;

    void Empezar(const QString& url) override {
        pedidas << url;
        Conectando();
    }
    void Cancelar() override {
        if (!Ejecutando()) return;
        ++canceladas;
        Termina(QStringLiteral("Operación cancelada"));
    }
    void Llega(const QByteArray& parte) { Recibe(parte); }
    void Acaba(const QString& error = {}) { Termina(error); }
};

}  // namespace tombolin::pruebas
