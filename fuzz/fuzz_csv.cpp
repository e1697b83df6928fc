// Fuzz target of the CSV reader, on arbitrary text. The input:
//
//   0     separator: ",", ";", "\t", "::" or "" (refused) by value modulo 5
//   1     text delimiter: "\"", "'", "" or "''" by value modulo 4; bit 7 reads through a processor
//         that stops after as many rows as bits 2-6 say
//   then  the file's bytes
//
// Every read must end in a result, never a crash, a hang or a huge allocation.
#include "FuzzTarget.h"

#include "io/QtCSV/Reader.h"
#include "io/QtCSV/StringData.h"
#include "io/QtCSV/Writer.h"

#include <QBuffer>
#include <QLoggingCategory>

namespace {

const char kTarget[] = "fuzz_csv";
const char* const kSeparators[5] = {",", ";", "\t", "::", ""};
const char* const kDelimiters[4] = {"\"", "'", "", "''"};

class StopAfter : public QtCSV::Reader::AbstractProcessor {
public:
    explicit StopAfter(int rows)
        : m_left(rows)
    {
    }
    void preProcessRawLine(QString& line) override { line = line.trimmed(); }
    bool processRowElements(const QStringList&) override { return m_left-- > 0; }

private:
    int m_left;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Each refused file is one debug line.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const QString separator = QString::fromLatin1(kSeparators[data[0] % 5]);
    const QString delimiter = QString::fromLatin1(kDelimiters[(data[1] & 0x7F) % 4]);
    QByteArray bytes(reinterpret_cast<const char*>(data + 2), int(size - 2));
    QBuffer buffer(&bytes);
    if (data[1] & 0x80) {
        StopAfter processor((data[1] >> 2) & 0x1F);
        QtCSV::Reader::read(buffer, processor, separator, delimiter);
        return 0;
    }
    const QList<QStringList> rows = QtCSV::Reader::readToList(buffer, separator, delimiter);
    if (separator.isEmpty() && !rows.isEmpty())
        fuzz_fail(kTarget, "rows read with an empty separator");
    // No row can hold more fields than the text has characters, plus one.
    for (const QStringList& row : rows)
        if (row.size() > bytes.size() + 1)
            fuzz_fail(kTarget, "a row of %d fields from %d bytes", int(row.size()), int(bytes.size()));
    return 0;
}

int fuzz_write_seeds(const std::string& dir)
{
    QtCSV::StringData table;
    table.addRow(QStringList{"CPU", "Loop", "Address", "Description"});
    table.addRow(QStringList{"1", "2", "159", "Corridoio \"nord\", piano 2"});
    table.addRow(QStringList{" spaced ", "", "a;b", "line\nbreak"});
    table.addEmptyRow();
    table.addRow(QStringList{QString::fromUtf8("Zona \xc3\xa8 \xe2\x82\xac"), "x''y", "\t", "last"});
    bool ok = true;
    for (uint8_t sep = 0; sep < 4; ++sep) {
        for (uint8_t del = 0; del < 4; ++del) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            if (!QtCSV::Writer::write(buffer, table, QString::fromLatin1(kSeparators[sep]),
                                      QString::fromLatin1(kDelimiters[del])))
                return 1;
            const std::string input = std::string{char(sep), char(del)} + bytes.toStdString();
            ok = fuzz_save(dir, "table_" + std::to_string(sep) + "_" + std::to_string(del), input) && ok;
        }
    }
    return ok ? 0 : 1;
}
