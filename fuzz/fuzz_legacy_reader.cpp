// Fuzz target of the reader of plant files of earlier releases (OvFileMng). The input is the
// uncompressed content, wrapped here in a valid container (magic, version 0x0100, qCompress
// block), so the fuzzer works on the records; an input whose first byte is 0xFF is the whole file
// instead (the bytes behind that first byte), to reach the container checks. readFile and
// loadSections must end in one of their result codes.
#include "FuzzTarget.h"

#include "../tests/io/LegacyFileGenerator.h"
#include "FuzzTrace.h"
#include "ZpData/Container/ZpConf.h"
#include "core/Configuration.h"
#include "io/OvFileMng.h"
#include "plant/Plant.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>

#include <cstdlib>

namespace {

const char kTarget[] = "fuzz_legacy_reader";
constexpr size_t kMaxInput = 4u << 20;
constexpr unsigned kRunsPerReset = 1000;

Plant* g_plant = nullptr;
QString g_path;

QByteArray le(quint32 value, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out.append(char(value >> (8 * i)));
    return out;
}

bool is_result_code(uint code, bool loading)
{
    if (loading)
        return code == Plant::kFileOk || code == Plant::kFileCrc || code == Plant::kFileBadFormat;
    return code == Plant::kFileOk || code == Plant::kFileCannotRead || code == Plant::kFileBadMagic
        || code == Plant::kFileBadVersion || code == Plant::kFileCrc;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The reader warns about every refused record; the fuzzer wants its own output only.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    if (g_zpConf->new_config(8) != ZP_OK)
        fuzz_fail(kTarget, "no panel configuration");
    Configuration::instance()->set_configNumber(8);
    g_plant = new Plant;
    // Every input is a file written and read back.
    g_path = QString::fromStdString(fuzz_scratch_file(kTarget));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > kMaxInput)
        return 0;
    const QByteArray input(reinterpret_cast<const char*>(data), int(size));
    QByteArray bytes;
    if (size > 0 && data[0] == 0xFF) {
        bytes = input.mid(1);
    } else {
        const QByteArray block = qCompress(input, 1);
        bytes = le(quint32(Plant::kFileMagic), 4) + le(0x0100, 2) + le(quint32(block.size()), 4) + block;
    }
    QFile file(g_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fuzz_fail(kTarget, "%s could not be written", qPrintable(g_path));
    file.close();
    // The reader adds annunciators under any address it is given; a periodic reset keeps a
    // long run's plant from growing.
    static unsigned runs = 0;
    if (++runs % kRunsPerReset == 0)
        g_plant->setDefaultParameters();
    OvFileMng reader(g_path, false);
    const uint read = reader.readFile();
    if (!is_result_code(read, false))
        fuzz_fail(kTarget, "readFile: result %u", read);
    if (read == Plant::kFileOk) {
        const uint loaded = reader.loadSections(*g_plant);
        if (!is_result_code(loaded, true))
            fuzz_fail(kTarget, "loadSections: result %u", loaded);
    }
    return 0;
}

int fuzz_write_seeds(const std::string& dir)
{
    using namespace legacygen;
    // Record streams with every record kind (the target wraps them in a container) and whole
    // files behind the 0xFF selector byte.
    const QByteArray point = record(
        9,
        pointFields(1, 1, 3, 0x0002, 5, 1, 1, 2, 1, "Smoke", 4, "SUB1(C1L1M2.1)")
            + record(14, fInt(50, 2) + pointFields(1, 1, 3, 0x0002, 9, 2, 2, 1, 1, "Out", 6)));
    const QByteArray cpus = record(
        5,
        cpu(1, true, "Main",
            loop(1, 1, 0, true, point) + loop(1, 2, 2, false, QByteArray())
                + sib(5, 1, 2, 3, 4, 5, 6, 1, 4, 17, 7, 8, 9) + record(17, annunciator(2, "Viewer"))
                + record(19,
                         annunciator(3, "Panel",
                                     eventFilter(3, -1, -1, -1, -1, 12, -1) + eventFilter(8, 1, 1, 3, -1, -1, 1)))));
    const QByteArray all = header(2009, 3, 14, 15, 9, 26, "Seed", 2, 5, 11)
        + record(2, fInt(1, 1) + fText(4, "Seed plant") + fBool(2, true) + fInt(11, 30) + fInt(111, 2))
        + record(3, record(4, fInt(1, 1))) + record(12, area(0, "Hall", true, false, 3))
        + record(10, fInt(79, 2) + fInt(80, 3) + fInt(81, 4) + group(0, "Sirens", true, "SUB1(C1L1M2.1)", false))
        + record(15, repeater(1, "R1") + repeater(8, "R8")) + cpus;
    const QByteArray general = record(2, fInt(1, 0) + fText(4, "Small"));
    const QByteArray fileAll = QByteArray(1, char(0xFF)) + file(all);
    const QByteArray file01ff = QByteArray(1, char(0xFF)) + file(cpus, 0x01FF);
    bool ok = fuzz_save(dir, "content_all", all.constData(), size_t(all.size()));
    ok = fuzz_save(dir, "content_cpus", cpus.constData(), size_t(cpus.size())) && ok;
    ok = fuzz_save(dir, "content_general", general.constData(), size_t(general.size())) && ok;
    ok = fuzz_save(dir, "file_all", fileAll.constData(), size_t(fileAll.size())) && ok;
    ok = fuzz_save(dir, "file_01ff", file01ff.constData(), size_t(file01ff.size())) && ok;
    return ok ? 0 : 1;
}
