// The plant file: the panel image as export_bin_v3 writes it, compressed behind a little-endian
// header (i32 magic 0x13F0C475, i16 version 0x0200, then qCompress(image) as a byte array).
#include "plant/Plant.h"

#include "plant/ImageDeflate.h"
#include "plant/PlantDialogs.h"

#include "plant/PlantLegacyReader.h"

#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfIO.h"
#include "core/Configuration.h"
#include "core/WholeFile.h"

#include <QDataStream>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Brand configurations under which the older plant-file generation is read.
constexpr int kFirstLegacyConfig = 3;
constexpr int kLastLegacyConfig = 6;

uint importCode(int result)
{
    switch (result) {
    case 0:
    case -1: return Plant::kFileOk;
    case 1005: return Plant::kFileBadFormat;
    case 1015: return Plant::kFileCannotRead;
    case 1018: return Plant::kFileCrc;
    case 1008: return Plant::kFileMissing;
    default: return Plant::kFileOther;
    }
}

uint importImage(const QString& path)
{
    g_zpConf->new_config(255);
    return importCode(g_zpConf->get_io().import_bin(QFile::encodeName(path).constData(), nullptr));
}

// Deflate's densest stream inflates about 1032 bytes from one.
constexpr qint64 kMaxInflateRatio = 1032;

// The image of the last plant file read stays allocated for the next one: a fresh buffer of
// several megabytes per file costs more in page faults than the inflating. One far above any
// real image is not kept.
constexpr size_t kMaxKeptImage = 16u << 20;

std::vector<char>& imageBuffer()
{
    static std::vector<char> buffer;
    return buffer;
}

quint32 bigEndian32(const unsigned char* bytes)
{
    return (quint32(bytes[0]) << 24) | (quint32(bytes[1]) << 16) | (quint32(bytes[2]) << 8) | quint32(bytes[3]);
}

// Inflates the zlib stream of a qCompress payload into image, in one pass and straight into the
// buffer; the image's size, or -1 when the stream breaks, ends early, fails its checksum, gives
// nothing or gives more than declared bytes (it stops one byte past them). The checksum is
// computed only once the stream has ended: most broken streams break before.
qint64 inflateImage(const unsigned char* stream, qint64 length, quint32 declared, std::vector<char>& image, bool* past)
{
    *past = false;
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        return -1;
    inflateValidate(&zs, 0);
    zs.next_in = const_cast<unsigned char*>(stream);
    zs.avail_in = uInt(length);
    const size_t limit = size_t(declared) + 1;
    size_t used = 0;
    int status = Z_OK;
    while (status == Z_OK && used < limit) {
        if (used == image.size())
            image.resize(std::min(limit, std::max(used * 2, size_t(1) << 16)));
        const size_t room = std::min(image.size(), limit) - used;
        zs.next_out = reinterpret_cast<Bytef*>(image.data() + used);
        zs.avail_out = uInt(room);
        status = inflate(&zs, Z_NO_FLUSH);
        used += room - zs.avail_out;
    }
    inflateEnd(&zs);
    *past = used == limit;
    if (status != Z_STREAM_END || *past || used == 0)
        return -1;
    // The four bytes just read are the stream's Adler-32 of the image.
    const uLong check = adler32(adler32(0, nullptr, 0), reinterpret_cast<const Bytef*>(image.data()), uInt(used));
    return check == bigEndian32(zs.next_in - 4) ? qint64(used) : -1;
}

// The payload of a current plant file, inflated into image; its size in *size. The declared
// size is checked before anything is inflated. 0 or 265.
uint readImage(QFile& file, std::vector<char>& image, qint64* size)
{
    QDataStream in(&file);
    in.setByteOrder(QDataStream::LittleEndian);
    quint32 length = 0;
    in >> length;
    if (in.status() != QDataStream::Ok || length < 4 || length > quint64(file.size() - file.pos()))
        return Plant::kFileBadFormat;
    const QByteArray payload = file.read(qint64(length));
    if (payload.size() != int(length))
        return Plant::kFileBadFormat;
    const auto* bytes = reinterpret_cast<const unsigned char*>(payload.constData());
    const quint32 declared = bigEndian32(bytes);
    if (declared == 0 || declared > Plant::kMaxImageSize) {
        qWarning() << "Plant file image of" << declared << "bytes refused";
        return Plant::kFileBadFormat;
    }
    // A size the stream cannot reach is refused before anything is inflated.
    if (qint64(declared) > qint64(length - 4) * kMaxInflateRatio + 1024) {
        qWarning() << "Plant file image of" << declared << "bytes refused: the stream holds less";
        return Plant::kFileBadFormat;
    }
    bool past = false;
    *size = inflateImage(bytes + 4, qint64(length) - 4, declared, image, &past);
    if (past) {
        qWarning() << "Plant file image inflates past its" << declared << "declared bytes: refused";
        return Plant::kFileBadFormat;
    }
    if (*size < 0) {
        qWarning() << "Plant file image refused: not a stream qUncompress can inflate";
        return Plant::kFileBadFormat;
    }
    return Plant::kFileOk;
}

// The panel image as export_bin_v3 writes it, put together in memory rather than in a file
// written and read back. 0, 266 when no stream could be made, 65535 when the export failed.
uint exportImage(QByteArray* image)
{
#if defined(Q_OS_UNIX)
    char* buffer = nullptr;
    size_t size = 0;
    FILE* stream = open_memstream(&buffer, &size);
#else
    FILE* stream = std::tmpfile();
#endif
    if (!stream) {
        qCritical() << "Non sono riuscito a creare il file temporaneo";
        return Plant::kFileMissing;
    }
    bool written = g_zpConf->get_io().write_image_v3(stream, nullptr) <= 0 && !std::ferror(stream);
#if defined(Q_OS_UNIX)
    written = std::fclose(stream) == 0 && written;
    if (written)
        *image = QByteArray(buffer, int(size));
    std::free(buffer);
#else
    written = written && std::fflush(stream) == 0 && std::fseek(stream, 0, SEEK_END) == 0;
    const long size = written ? std::ftell(stream) : -1;
    if (size > 0) {
        image->resize(int(size));
        std::rewind(stream);
        written = std::fread(image->data(), 1, size_t(size), stream) == size_t(size);
    }
    std::fclose(stream);
#endif
    return written && !image->isEmpty() ? Plant::kFileOk : Plant::kFileOther;
}

PlantLegacyReaderFactory& legacyReaderFactory()
{
    static PlantLegacyReaderFactory factory;
    return factory;
}

} // namespace

void setPlantLegacyReaderFactory(PlantLegacyReaderFactory factory)
{
    legacyReaderFactory() = std::move(factory);
}

uint Plant::saveToFile(const QString& fileName, int* skippedDevices,
                       const std::function<bool(const QStringList&)>& confirm)
{
    m_saveFailureReason.clear();
    const int skipped = copyTo();
    if (skippedDevices)
        *skippedDevices = skipped;
    if (confirm && !confirm(programsStoredEmpty()))
        return kFileNotConfirmed;

    // A save needs a usable temporary folder, as a stream to build the image in may need one.
    if (!QTemporaryDir().isValid()) {
        qCritical() << "Non sono riuscito a creare il file temporaneo";
        return kFileMissing;
    }
    QByteArray image;
    if (const uint result = exportImage(&image))
        return result;

    // The previous file is replaced only by a complete one.
    WholeFile file(fileName);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QDataStream out(&file);
        out.setByteOrder(QDataStream::LittleEndian);
        // The fastest level: a full plant's image is mostly runs of the same bytes, so the file
        // grows by a quarter while deflating takes a third of the time. Any zlib stream, whatever
        // its level, reads back through the same qUncompress.
        out << qint32(kFileMagic) << qint16(kFileVersion) << deflateImage(image);
        written = out.status() == QDataStream::Ok && file.commit();
    }
    if (!written) {
        m_saveFailureReason = file.errorString();
        qCritical().noquote() << "Non sono riuscito ad aprire il file " + fileName;
        return kFileCannotWrite;
    }
    return kFileOk;
}

uint Plant::loadFromFile(const QString& fileName, bool plantFile)
{
    if (!plantFile)
        return importImage(fileName);
    QFile file(fileName);
    if (!file.exists())
        return kFileMissing;
    if (!file.open(QIODevice::ReadOnly))
        return kFileCannotRead;
    QDataStream in(&file);
    in.setByteOrder(QDataStream::LittleEndian);
    qint32 magic = 0;
    quint16 version = 0;
    in >> magic >> version;
    if (magic != kFileMagic)
        return kFileBadMagic;
    if (version > kFileVersion)
        return kFileBadVersion;
    if (version < kFileVersion) {
        const int config = Configuration::instance()->configNumber();
        if (config < kFirstLegacyConfig || config > kLastLegacyConfig)
            return kFileBadVersion;
        file.close();
        return loadLegacyFile(fileName, config);
    }
    std::vector<char>& image = imageBuffer();
    qint64 size = 0;
    uint result = readImage(file, image, &size);
    if (result == kFileOk) {
        // The image is read where it was inflated, not through a file of its own.
        g_zpConf->new_config(255);
        result = importCode(
            g_zpConf->get_io().import_bin(reinterpret_cast<const u8*>(image.data()), u32(size), "CFG_IN.BIN", nullptr));
    }
    if (image.size() > kMaxKeptImage)
        std::vector<char>().swap(image);
    return result;
}

uint Plant::loadLegacyFile(const QString& fileName, int previousConfig)
{
    Configuration* config = Configuration::instance();
    if (config->configNumber() == 6)
        config->applyConfigNumber(3, true);
    if (config->configNumber() == 5)
        config->applyConfigNumber(4, true);
    std::unique_ptr<PlantLegacyReader> reader;
    if (legacyReaderFactory())
        reader = legacyReaderFactory()(fileName);
    if (!reader || reader->readFile() != kFileOk) {
        config->applyConfigNumber(previousConfig, true);
        return kFileCannotRead;
    }
    const uint plantType = uint(getPlantType());
    if (const uint result = reader->loadSections(*this)) {
        // Nothing half-read stays behind a failed load.
        setPlantType(plantType, false);
        setDefaultParameters();
        config->applyConfigNumber(previousConfig, true);
        return result;
    }
    copyTo();
    PlantMessage notice;
    notice.icon = PlantMessage::Warning;
    notice.text = qtTrId("LegacyFileOV4800");
    PlantDialogs::show(notice);
    return kFileOk;
}
