// Seed corpus of fuzz_legacy_reader, written from the tests' generator into the folder given:
// record streams with every record kind (the target wraps them in a container) and whole files
// behind the 0xFF selector byte.
#include "LegacyFileGenerator.h"

#include <QFile>
#include <QString>

#include <cstdio>

using namespace legacygen;

namespace {

bool put(const QString& folder, const char* name, const QByteArray& bytes)
{
    QFile file(folder + "/" + name);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_legacy_seeds <folder>\n");
        return 2;
    }
    const QString folder = QFile::decodeName(argv[1]);
    const QByteArray point = record(9, pointFields(1, 1, 3, 0x0002, 5, 1, 1, 2, 1, "Smoke", 4, "SUB1(C1L1M2.1)")
                                           + record(14, fInt(50, 2) + pointFields(1, 1, 3, 0x0002, 9, 2, 2, 1, 1, "Out", 6)));
    const QByteArray cpus = record(5, cpu(1, true, "Main", loop(1, 1, 0, true, point) + loop(1, 2, 2, false, QByteArray())
                                                            + sib(5, 1, 2, 3, 4, 5, 6, 1, 4, 17, 7, 8, 9)
                                                            + record(17, annunciator(2, "Viewer"))
                                                            + record(19, annunciator(3, "Panel", eventFilter(3, -1, -1, -1, -1, 12, -1)
                                                                                                     + eventFilter(8, 1, 1, 3, -1, -1, 1)))));
    const QByteArray all = header(2009, 3, 14, 15, 9, 26, "Seed", 2, 5, 11)
                           + record(2, fInt(1, 1) + fText(4, "Seed plant") + fBool(2, true) + fInt(11, 30) + fInt(111, 2))
                           + record(3, record(4, fInt(1, 1))) + record(12, area(0, "Hall", true, false, 3))
                           + record(10, fInt(79, 2) + fInt(80, 3) + fInt(81, 4) + group(0, "Sirens", true, "SUB1(C1L1M2.1)", false))
                           + record(15, repeater(1, "R1") + repeater(8, "R8")) + cpus;
    const bool ok = put(folder, "content_all", all) && put(folder, "content_cpus", cpus)
                    && put(folder, "content_general", record(2, fInt(1, 0) + fText(4, "Small")))
                    && put(folder, "file_all", QByteArray(1, char(0xFF)) + file(all))
                    && put(folder, "file_01ff", QByteArray(1, char(0xFF)) + file(cpus, 0x01FF));
    return ok ? 0 : 1;
}
