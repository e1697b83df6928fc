#include "plant/ImageDeflate.h"

#include <zlib.h>

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace {

constexpr int kSlice = 1 << 20;
constexpr int kWindow = 32768;

struct Slice {
    QByteArray deflated;
    uLong adler = 0;
    int size = 0;
    bool done = false;
};

// Slice i of data as raw deflate, ended by a sync flush, or by the final block for the last.
void deflateSlice(const QByteArray& data, int i, bool last, Slice* slice)
{
    const int from = i * kSlice;
    slice->size = std::min(kSlice, data.size() - from);
    const Bytef* bytes = reinterpret_cast<const Bytef*>(data.constData());
    slice->adler = adler32(adler32(0, nullptr, 0), bytes + from, uInt(slice->size));
    z_stream zs{};
    if (deflateInit2(&zs, 1, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return;
    const int dictionary = std::min(kWindow, from);
    bool ok = dictionary == 0 || deflateSetDictionary(&zs, bytes + from - dictionary, uInt(dictionary)) == Z_OK;
    // Room for the flush marker and the final empty block beside the stream itself.
    slice->deflated.resize(int(deflateBound(&zs, uLong(slice->size))) + 64);
    zs.next_in = const_cast<Bytef*>(bytes + from);
    zs.avail_in = uInt(slice->size);
    zs.next_out = reinterpret_cast<Bytef*>(slice->deflated.data());
    zs.avail_out = uInt(slice->deflated.size());
    if (ok) {
        const int result = deflate(&zs, last ? Z_FINISH : Z_SYNC_FLUSH);
        ok = (last ? result == Z_STREAM_END : result == Z_OK) && zs.avail_in == 0 && zs.avail_out > 0;
    }
    slice->deflated.resize(int(zs.total_out));
    deflateEnd(&zs);
    slice->done = ok;
}

void appendBigEndian(QByteArray& out, quint32 value)
{
    out += char(value >> 24);
    out += char(value >> 16);
    out += char(value >> 8);
    out += char(value);
}

} // namespace

QByteArray deflateImage(const QByteArray& data)
{
    const int count = std::max(1, (data.size() + kSlice - 1) / kSlice);
    std::vector<Slice> slices(static_cast<size_t>(count));
    std::vector<std::thread> workers;
    for (int i = 1; i < count; ++i) {
        try {
            workers.emplace_back(deflateSlice, std::cref(data), i, i == count - 1, &slices[size_t(i)]);
        } catch (const std::system_error&) { // no thread to be had: the slice is made here
            deflateSlice(data, i, i == count - 1, &slices[size_t(i)]);
        }
    }
    deflateSlice(data, 0, count == 1, &slices[0]);
    for (std::thread& worker : workers)
        worker.join();

    int total = 4 + 2 + 4;
    for (const Slice& slice : slices) {
        if (!slice.done)
            return qCompress(data, 1);
        total += slice.deflated.size();
    }
    QByteArray out;
    out.reserve(total);
    appendBigEndian(out, quint32(data.size()));
    out += char(0x78); // deflate, 32 KiB window
    out += char(0x01); // fastest level, no dictionary; the two bytes are a multiple of 31
    uLong adler = slices[0].adler;
    out += slices[0].deflated;
    for (size_t i = 1; i < slices.size(); ++i) {
        adler = adler32_combine(adler, slices[i].adler, z_off_t(slices[i].size));
        out += slices[i].deflated;
    }
    appendBigEndian(out, quint32(adler));
    return out;
}
