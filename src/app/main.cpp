#include <QApplication>

#include "core/reloj.h"
#include "printing/impresora_qt.h"
#include "results/transferencia_qt.h"
#include "ui/dialogos_qt.h"
#include "ui/escritorio_qt.h"
#include "ui/idioma.h"
#include "ui/principal.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tombolin"));
    tombolin::PrepararIdioma(app);

    tombolin::DialogosQt dialogos;
    tombolin::EscritorioQt escritorio;
    tombolin::RelojSistema reloj;
    tombolin::ImpresoraQt impresora;
    tombolin::TransferenciaQt descarga;
    tombolin::TransferenciaQt noticias;
    // The program's files live beside the executable.
    tombolin::Principal principal(
        QApplication::applicationDirPath(),
        tombolin::Servicios{dialogos, reloj, escritorio, impresora, &descarga, &noticias});
    dialogos.PonerVentana(&principal);
    if (!principal.CargarPrincipal()) return 1;
    principal.show();
    return app.exec();
}
