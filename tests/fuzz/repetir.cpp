// Runs a fuzz target over files, without libFuzzer: the seeds and every input that once made it
// fail are run by the regular tests this way, in any build.
//   repetir_<objetivo> carpeta-o-fichero...
#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano);

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    int ficheros = 0;
    for (int i = 1; i < argc; ++i) {
        QStringList rutas;
        if (QFileInfo(QString::fromLocal8Bit(argv[i])).isDir()) {
            QDirIterator it(QString::fromLocal8Bit(argv[i]), QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) rutas << it.next();
            rutas.sort();
        } else {
            rutas << QString::fromLocal8Bit(argv[i]);
        }
        for (const QString& ruta : rutas) {
            QFile f(ruta);
            if (!f.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "no se puede leer %s\n", qPrintable(ruta));
                return 1;
            }
            const QByteArray bytes = f.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                   static_cast<size_t>(bytes.size()));
            ++ficheros;
        }
    }
    std::printf("%d entradas sin fallo\n", ficheros);
    return ficheros > 0 ? 0 : 1;
}
