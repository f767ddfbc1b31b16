#include "programa/systemctl_qt.h"

#include <QProcess>

namespace tombolin {

void SystemctlQt::Ejecutar(const QStringList& argumentos,
                           std::function<void(int codigo, const QString& salida)> hecho) {
    auto* p = new QProcess;
    p->setProcessChannelMode(QProcess::MergedChannels);
    QObject::connect(p, &QProcess::finished, p, [p, hecho](int codigo, QProcess::ExitStatus e) {
        hecho(e == QProcess::NormalExit ? codigo : -1, QString::fromUtf8(p->readAll()));
        p->deleteLater();
    });
    QObject::connect(p, &QProcess::errorOccurred, p, [p, hecho](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart) return;
        hecho(-1, p->errorString());
        p->deleteLater();
    });
    p->start(QStringLiteral("systemctl"), argumentos);
}

}  // namespace tombolin
