// libFuzzer target of the legacy plant file reader: every input must end in one of the reader's
// result codes, never in a crash, a hang, a large allocation or a sanitizer report. The input is
// the uncompressed content, wrapped here in a valid container (magic, version 0x0100, qCompress
// block), so the fuzzer works on the records; an input whose first byte is 0xFF is the whole file
// instead (the bytes behind that first byte), to reach the container checks.
#include "io/OvFileMng.h"

#include "ZpData/Container/ZpConf.h"
#include "app/Configuration.h"
#include "plant/Plant.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <unistd.h> // getpid, unlink

namespace {

QCoreApplication* g_app = nullptr;
Plant* g_plant = nullptr;
QString g_path;

QByteArray le(quint32 value, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out.append(char(value >> (8 * i)));
    return out;
}

void removeFile()
{
    QFile::remove(g_path);
}

bool isResultCode(uint code, bool loading)
{
    if (loading)
        return code == 0 || code == 264 || code == 265;
    return code == 0 || code == 257 || code == 259 || code == 260 || code == 264;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    g_app = new QCoreApplication(*argc, *argv);
    // The reader logs every record; the fuzzer wants its own output only, and speed.
    QLoggingCategory::setFilterRules("*.debug=false\n*.info=false");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    if (g_zpConf->new_config(8) != 0) {
        std::fprintf(stderr, "fuzz_legacy_reader: no panel configuration\n");
        std::abort();
    }
    Configuration::instance()->set_configNumber(8);
    g_plant = new Plant;
    // The reader takes a file name; a file in memory keeps the disk out of every run.
    const QString folder = QFile::exists("/dev/shm") ? QString("/dev/shm") : QString("/tmp");
    g_path = QString("%1/fuzz_legacy_reader_%2.ov").arg(folder).arg(getpid());
    std::atexit(removeFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (4u << 20))
        return 0;
    const QByteArray input(reinterpret_cast<const char*>(data), int(size));
    QByteArray bytes;
    if (size > 0 && data[0] == 0xFF) {
        bytes = input.mid(1);
    } else {
        const QByteArray block = qCompress(input, 1);
        bytes = le(0x13F0C475, 4) + le(0x0100, 2) + le(quint32(block.size()), 4) + block;
    }
    QFile file(g_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();
    // The reader adds annunciators under any address it is given; a periodic reset keeps a
    // long run's plant from growing.
    static unsigned runs = 0;
    if (++runs % 1000 == 0)
        g_plant->setDefaultParameters();
    OvFileMng reader(g_path, false);
    const uint read = reader.readFile();
    if (!isResultCode(read, false))
        std::abort();
    if (read == 0 && !isResultCode(reader.loadSections(*g_plant), true))
        std::abort();
    return 0;
}
