// Fuzz target of the plant file loader: the input is written as a file and read by
// Plant::loadFromFile(path, true): magic, version, the compressed payload with its declared size
// and, when that inflates, the image through import_bin. The loader must end in one of its file
// result codes.
#include "FuzzTarget.h"

#include "FuzzTrace.h"
#include "SamplePlant.h"
#include "plant/Plant.h"

#include <QByteArray>
#include <QFile>

#include <cstdlib>

namespace {

const char kTarget[] = "fuzz_plant_file";

Plant* g_plant = nullptr;
QString g_path;

bool is_result_code(uint code)
{
    switch (code) {
    case Plant::kFileOk:
    case Plant::kFileCannotRead:
    case Plant::kFileBadMagic:
    case Plant::kFileBadVersion:
    case Plant::kFileCrc:
    case Plant::kFileBadFormat:
    case Plant::kFileMissing:
    case Plant::kFileOther: return true;
    default: return false;
    }
}

bool write_file(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray read_file(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put_be32(QByteArray& bytes, int at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (24 - 8 * i));
}

// A current plant file of the given payload: magic, version, the byte array's length.
QByteArray plant_file(const QByteArray& payload)
{
    QByteArray out;
    for (int i = 0; i < 4; ++i)
        out.append(char(quint32(Plant::kFileMagic) >> (8 * i)));
    out.append(char(Plant::kFileVersion & 0xFF)).append(char(Plant::kFileVersion >> 8));
    for (int i = 0; i < 4; ++i)
        out.append(char(quint32(payload.size()) >> (8 * i)));
    return out + payload;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The loader warns about every refused file; the fuzzer wants its own output only.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    load_sample_plant(g_zpConf, kTarget);
    g_plant = new Plant;
    // Every input is a file written and read back.
    g_path = QString::fromStdString(fuzz_scratch_file(kTarget));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!write_file(g_path, QByteArray(reinterpret_cast<const char*>(data), int(size))))
        fuzz_fail(kTarget, "%s could not be written", qPrintable(g_path));
    const uint result = g_plant->loadFromFile(g_path, true);
    if (!is_result_code(result))
        fuzz_fail(kTarget, "result %u", result);
    return 0;
}

int fuzz_write_seeds(const std::string& dir)
{
    if (!g_plant)
        LLVMFuzzerInitialize(nullptr, nullptr);
    // The sample plant as the program saves it.
    if (g_plant->copyFrom() != 0 || g_plant->saveToFile(g_path) != Plant::kFileOk) {
        std::fprintf(stderr, "%s: the sample plant could not be saved\n", kTarget);
        return 1;
    }
    const QByteArray saved = read_file(g_path);
    bool ok = fuzz_save(dir, "sample_plant", saved.constData(), size_t(saved.size()));
    // A payload declaring far more than it holds, over the limit and just under it.
    const QByteArray payload = saved.mid(10);
    for (quint32 declared : {quint32(Plant::kMaxImageSize + 1), quint32(Plant::kMaxImageSize), 0xFFFFFFFFu}) {
        QByteArray lying = payload;
        put_be32(lying, 0, declared);
        const QByteArray file = plant_file(lying);
        ok = fuzz_save(dir, "declared_" + std::to_string(declared), file.constData(), size_t(file.size())) && ok;
    }
    // A stream that inflates to far more than the few bytes it declares.
    QByteArray bomb = qCompress(QByteArray(1 << 20, 'O'), 9);
    put_be32(bomb, 0, 16);
    const QByteArray bombFile = plant_file(bomb);
    ok = fuzz_save(dir, "inflates_past_declared", bombFile.constData(), size_t(bombFile.size())) && ok;
    return ok ? 0 : 1;
}
