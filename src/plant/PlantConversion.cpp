// The conversion between the plant and the panel configuration, in both directions.
#include "plant/Plant.h"

#include "DataBlock/bytes.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfBlock.h"
#include "ZpData/Container/ZpConfBlocks.h"
#include "ZpData/Layouts/DeviceProg.h"
#include "ZpData/Layouts/interface.h"
#include "ZpData/Values/DeviceRec.h"
#include "ZpData/Values/PanelModel.h"
#include "core/CharBuffer.h"
#include "core/Configuration.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/OvLib.h"
#include "plant/OvLoop.h"
#include "plant/PanelBlockWrite.h"

#include <QByteArray>
#include <QDebug>

#include <cstring>
#include <memory>
#include <vector>

namespace {

// Offsets in the general programming block.
constexpr int kCpuRecords = 4;
constexpr int kCpuRecordSize = 61;
constexpr int kCpuName = 20;
constexpr int kCpuStatus = 52;
constexpr int kSupervisor = 3908;
constexpr int kDescription = 5144;
constexpr int kFlagsA = 5176;
constexpr int kFlagsB = 5177;
constexpr int kFlagsC = 5178;
constexpr int kInvalidResponse = 5182;
constexpr int kWalkTestPoint = 5188;
constexpr int kPreAlarm = 5191;
constexpr int kReserved = 5192;
constexpr int kFailureSystem = 5194;
constexpr int kDetectorsCheck = 5196;
constexpr int kAutoAck = 5198;
constexpr int kSirenDelay = 5200;
constexpr int kPasswords = 5208;
constexpr int kSirenSound = 5221;
constexpr int kRsPort = 5225;
constexpr int kSibIp = 5226;
constexpr int kSibNetmask = 5230;
constexpr int kSibGateway = 5234;
constexpr int kPrinter = 5238;
constexpr int kPrinterBaud = 5239;
constexpr int kReleAll = 5241;
constexpr int kReleOut1 = 5242;
constexpr int kReleOut2 = 5243;
constexpr int kNetworked = 5245;
constexpr int kPanelType = 5246;
constexpr int kBrand = 5247;
constexpr int kNameSize = 32;

// Device blocks: header CPU and board, then 700 records of 43 bytes.
constexpr u32 kDeviceBlocks = 64;
constexpr u32 kDeviceSlots = 700;
constexpr u32 kDeviceRecordSize = 43;
constexpr u32 kAuxRecordSize = 90;
constexpr u32 kAuxRecords = 64;

constexpr uint kBaudRates[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

u8 baudCode(uint rate)
{
    for (u8 code = 0; code < 8; ++code) {
        if (kBaudRates[code] == rate)
            return u8(code + 1);
    }
    return 0;
}

uint baudRate(u8 code)
{
    return code >= 1 && code <= 8 ? kBaudRates[code - 1] : 0;
}

QString nameAt(const u8* field)
{
    char name[kNameSize + 1] = {};
    std::memcpy(name, field, kNameSize);
    return charBufferToString(name, kNameSize);
}

// Latin-1, at most 32 bytes, zero-padded.
void putName(u8* field, const QString& text)
{
    const QByteArray latin1 = text.toLatin1().left(kNameSize);
    std::memset(field, 0, kNameSize);
    std::memcpy(field, latin1.constData(), size_t(latin1.size()));
}

QByteArray blockBytes(u32 dataType)
{
    ZpConfBlock* block = g_zpConf->find_block(dataType);
    QByteArray bytes(block ? int(block->get_size()) : 0, '\0');
    if (block)
        g_zpConf->get_data(dataType, bytes.data(), 0, 0);
    return bytes;
}

u32 cpuModel()
{
    return PanelType::get_cpu_model(g_zpConf->get_panel_type());
}

// Every device record of every device block emptied and the block unbound, with its name
// block: the writers only set what they bind.
void freeDeviceBlocks()
{
    for (u32 n = 0; n < kDeviceBlocks; ++n) {
        ZpConfBlock* block = g_zpConf->get_block(n, 70, 133);
        if (block->lock_write() == 0) {
            if (auto* devices = dynamic_cast<ZpData::IF_DeviceProg*>(block->get_iface()))
                devices->clear_line_devices(2);
            block->get_ptr()[0] = block->get_ptr()[1] = 255;
            block->mark_modified();
            block->unlock();
        }
        PanelBlockWrite names(n, 134, 197);
        names.data()[0] = names.data()[1] = 255;
    }
}

} // namespace

uint Plant::copyFrom()
{
    qDebug() << "______________________________________________COPYFROM";
    using Step = uint (Plant::*)();
    for (Step step : {&Plant::copyParametersFrom, &Plant::copyAreasFrom, &Plant::copyGroupsFrom, &Plant::copyCPUsFrom,
                      &Plant::copyRepeatersFrom, &Plant::copyAnnunciatorsFrom}) {
        if (const uint result = (this->*step)())
            return result;
    }
    // The zones were cleared before the points came: every way in (open, new, brand) counts them.
    recountAreas();
    setModificationBits(kParameters | kFromPanel4 | kFromPanel8 | kCpus | kAreas | kGroups);
    return 0;
}

uint Plant::copyParametersFrom()
{
    const QByteArray bytes = blockBytes(2);
    const u8* zpx = reinterpret_cast<const u8*>(bytes.constData());
    int cpuCount = 0;
    for (int c = 0; c < 64; ++c)
        cpuCount += zpx[kCpuRecords + kCpuRecordSize * c + kCpuStatus] & 1;
    const bool networked = g_zpConf->get_networked() != 0;
    qDebug() << "cpuCount " << networked << cpuCount << CpuModel::get_max_cpu_num(cpuModel(), true);
    setPlantType(networked || cpuCount >= 2 ? 1 : 0, false);

    m_description = nameAt(zpx + kDescription);
    qInfo().noquote() << "Plat Description = " + m_description;

    const u8 a = zpx[kFlagsA];
    m_detectorsCheckStat = a & 0x01;
    m_flashingStat = a & 0x02;
    qInfo() << "Sto ignorando archDisable: " << ((a >> 2) & 1);
    m_autoAcknowledgementStat = a & 0x08;
    m_driftAllert = a & 0x10;
    m_storagePrint = a & 0x20;
    m_walkTest = a >> 6;
    const u8 b = zpx[kFlagsB];
    m_sirenReactMode = b & 0x01;
    m_sirenCorrelation = b & 0x02;
    m_sirenPhaseStat = b & 0x04;
    m_serialNumbersCheckStat = b & 0x08;
    qInfo() << "Sto ignorando ZpxProgExclType: " << (b >> 4);
    const u8 c = zpx[kFlagsC];
    m_sirenInstantActivation = !(c & 0x08);
    qInfo().noquote() << "hornExcl\t\t\t= " + QString::number(c & 1);
    qInfo().noquote() << "spare1\t\t\t\t= " + QString::number((c >> 1) & 3);
    qInfo().noquote() << "extingExcl\t\t\t= " + QString::number((c >> 4) & 1);
    qInfo().noquote() << "testCBEEna\t\t\t= " + QString::number((c >> 5) & 1);
    qInfo().noquote() << "soundStrobeMode\t\t= " + QString::number((c >> 6) & 1);
    qInfo().noquote() << "spare2\t\t\t\t= " + QString::number((c >> 7) & 1);

    m_failureIvalidResponseTime = zpx[kInvalidResponse];
    m_falseFailureTimeTypeID = zpx[kInvalidResponse + 1];
    m_openCircuitsFailureTime = zpx[kInvalidResponse + 2];
    m_cameraLowValueTimeFailure = zpx[kInvalidResponse + 3];
    m_faultMaintenanceTime = zpx[kInvalidResponse + 4];
    m_acknowledgementInhibitionTime = zpx[kInvalidResponse + 5];
    if (m_walkTest == 2) {
        const u8* w = zpx + kWalkTestPoint;
        m_walkTestCPUID = uint(w[0] & 63) + 1;
        m_walkTestLoopID = uint(((w[1] & 1) << 2) | (w[0] >> 6)) + 1;
        m_walkTestSubID = uint((w[1] >> 1) & 15) + 1;
        m_walkTestModuleID = uint(w[2]) + 1;
    }
    m_preAlarmLvl = zpx[kPreAlarm];
    m_failureSystemTime = get_le16(zpx + kFailureSystem);
    m_detectorsCheckTime = get_le16(zpx + kDetectorsCheck);
    m_autoAcknowledgementTime = get_le16(zpx + kAutoAck);
    m_sirenDelayTime = get_le16(zpx + kSirenDelay);
    for (int i = 0; i < 3; ++i) {
        const u32 code = get_le32(zpx + kPasswords + 4 * i);
        m_passwords[i] = code > kMaxPassword ? kUndefinedPassword : code;
    }
    m_sirenSoundType = zpx[kSirenSound];
    m_sirenVolume = zpx[kSirenSound + 1];
    m_evacSoundType = zpx[kSirenSound + 2];
    m_evacSoundVolume = zpx[kSirenSound + 3];
    m_printerStat = zpx[kPrinter] & 1;
    if (m_printerStat) {
        m_printerBaudRate = baudRate(zpx[kPrinterBaud]);
        m_printerParity = (zpx[kPrinter] >> 1) & 3;
    }
    // Only a relay that differs is stored and announced.
    auto relay = [this](uint& member, uint value, void (Plant::*signal)(uint)) {
        if (member == value)
            return;
        member = value;
        emit(this->*signal)(value);
    };
    relay(m_plantReleAll, zpx[kReleAll] & 3u, &Plant::plantReleAllChanged);
    relay(m_plantReleU1, zpx[kReleOut1] & 3u, &Plant::plantReleU1Changed);
    relay(m_plantReleU2, zpx[kReleOut2] & 3u, &Plant::plantReleU2Changed);
    relay(m_plantReleFU1, uint(zpx[kReleOut1] >> 4), &Plant::plantReleFU1Changed);
    relay(m_plantReleFU2, uint(zpx[kReleOut2] >> 4), &Plant::plantReleFU2Changed);
    Configuration* brand = Configuration::instance();
    if (brand->current_brand() != int(zpx[kBrand]))
        brand->set_current_brand(zpx[kBrand]);
    return 0;
}

uint Plant::copyAreasFrom()
{
    m_areas.reset();
    const QByteArray zones = blockBytes(3);
    const QByteArray names = blockBytes(4);
    const u8* z = reinterpret_cast<const u8*>(zones.constData());
    const int last = qMin(m_areas.count(), OvAreasSystem::kPanelZones);
    for (int p = 0; p < last; ++p) {
        OvArea* area = m_areas.areaAt(p);
        area->setNightAndDay((z[p / 8] >> (p % 8)) & 1);
        area->setPreAllarm((z[250 + p / 8] >> (p % 8)) & 1);
        if (names.size() >= kNameSize * (p + 1))
            area->setDescription(nameAt(reinterpret_cast<const u8*>(names.constData()) + kNameSize * p));
    }
    for (int p = 0; p < last; ++p) {
        OvArea* area = m_areas.areaAt(p);
        const u8 pair = z[500 + p / 2];
        area->setCorrelation(u8(p % 2 ? pair >> 4 : pair & 15));
        qInfo().noquote() << "zono " + QString::number(p + 1) + "\tnome = " + area->description()
                + "\tCorrelazione = " + QString::number(area->correlation());
    }
    return 0;
}

uint Plant::copyGroupsFrom()
{
    // The programs read back are checked against the plant's points, as the keypad reads them:
    // none of the file shown before may answer for this one's.
    m_cpus.reset();
    m_groups.readFromPanelData();
    return 0;
}

uint Plant::copyCPUsFrom()
{
    m_cpus.reset();
    const QByteArray bytes = blockBytes(2);
    const u8* zpx = reinterpret_cast<const u8*>(bytes.constData());
    const int cpus = int(CpuModel::get_max_cpu_num(cpuModel(), true));
    for (int c = 0; c < cpus; ++c) {
        qDebug() << "CPU SIZE " << m_cpus.count() << getCpuMaxCount() - 1;
        CPUDevice* cpu = m_cpus.cpuAt(c);
        if (!cpu)
            continue;
        const u8* record = zpx + kCpuRecords + kCpuRecordSize * c;
        const u8 status = record[kCpuStatus];
        cpu->setCpuType(status >> 3);
        cpu->setUPSFlag(status & 4);
        cpu->setEnabled(status & 1);
        m_cpus.enableNetworkSIB(c, get_le32(zpx + kSibIp), get_le32(zpx + kSibNetmask), get_le32(zpx + kSibGateway));
        m_cpus.setSupervisorBlock(c, zpx + kSupervisor);
        if (status & 2)
            m_cpus.enableRSSIB(c, zpx[kRsPort]);
        else
            m_cpus.disableSIB(c);
        cpu->setDescription(nameAt(record + kCpuName));
        u32 blocks[CPUDevice::kMaxLibs];
        u32 bound = 0;
        for (u32 b = 0; b < CPUDevice::kMaxLibs; ++b) {
            blocks[b] = g_zpConf->get_device_prog_index(u32(c), b);
            bound += blocks[b] < 255 ? 1 : 0;
        }
        // The boards are read before the count is raised: raising it writes fresh board
        // records over the loop settings they hold.
        std::vector<std::unique_ptr<OvLib>> libs;
        for (u32 b = 0; b < CPUDevice::kMaxLibs; ++b) {
            if (blocks[b] >= 255)
                continue;
            qInfo().noquote() << "ENABLED: CPU = " + QString::number(c) + "\tLIB = " + QString::number(b);
            libs.push_back(std::make_unique<OvLib>(c, int(b), int(blocks[b])));
        }
        if (cpu->getLibCount() < bound)
            cpu->setLibCount(bound);
        for (const std::unique_ptr<OvLib>& lib : libs)
            m_cpus.setLib(std::move(*lib));
    }
    return 0;
}

uint Plant::copyRepeatersFrom()
{
    const QByteArray bytes = blockBytes(2);
    m_repeaters.readFromPanelData(reinterpret_cast<const u8*>(bytes.constData()));
    return 0;
}

uint Plant::copyAnnunciatorsFrom()
{
    constexpr int kViewers = 4672;
    for (int p = 0; p < CPUSystem::kMaxCpus; ++p) {
        const QByteArray bytes = blockBytes(u32(6 + p));
        if (bytes.size() <= kViewers)
            continue;
        const u8* data = reinterpret_cast<const u8*>(bytes.constData());
        m_cpus.loadViewers(p, data + kViewers, 16);
        m_cpus.loadAnnunciators(p, data, 16);
    }
    return 0;
}

int Plant::copyTo()
{
    qDebug() << "______________________________________________COPYTO";
    // The conversion writes most blocks record by record: each block's CRC is run once, when
    // the conversion is over, not at every record.
    struct CrcBatch {
        CrcBatch() { g_zpConf->get_blocks().defer_crc(true); }
        ~CrcBatch() { g_zpConf->get_blocks().defer_crc(false); }
    } batch;
    const u32 panelType = g_zpConf->get_panel_type();
    g_zpConf->set_default_all(g_zpDataVersion);
    PanelBlockWrite(0, 2, 2).data()[kPanelType] = u8(panelType);
    freeDeviceBlocks();
    const int skipped = copyParametersTo();
    m_areas.writeToPanelData();
    {
        PanelBlockWrite aux(0, 198, 198);
        u32 k = 0;
        int i = -1;
        for (const CPUDevice* cpu = m_cpus.getNextEnabledCPU(i); cpu && k < kAuxRecords;
             cpu = m_cpus.getNextEnabledCPU(i)) {
            for (u32 lib = 0; lib < cpu->getLibCount() && k < kAuxRecords; ++lib, ++k) {
                aux.data()[kAuxRecordSize * k] = u8(cpu->index() - 1);
                aux.data()[kAuxRecordSize * k + 1] = u8(lib);
            }
        }
    }
    g_zpConf->post_load(nullptr);
    compileDevicePrograms();
    m_emptiedGroups = m_groups.writeToPanelData();
    return skipped;
}

QString Plant::programName(const OvGenericPoint& p)
{
    const int sub = p.getSubIndex();
    const bool byAddress = p.atOwnAddress();
    QString text = QStringLiteral("C%1L%2%3%4")
                       .arg(p.cpuIndex())
                       .arg(p.loopIndex())
                       .arg(p.family() == 2 ? QLatin1Char('M') : QLatin1Char('S'))
                       .arg(p.address() + (byAddress ? unsigned(sub - 1) : 0u));
    return sub > 0 && !byAddress ? text + QLatin1Char('.') + QString::number(sub) : text;
}

QStringList Plant::programsStoredEmpty() const
{
    QStringList programs;
    for (const int group : m_emptiedGroups)
        programs << QStringLiteral("G%1").arg(group);
    const auto failed = [](const OvGenericPoint& p) {
        return p.isValid() && !p.cbe().isEmpty() && p.cbeTextError() != 0;
    };
    int i = -1;
    for (const CPUDevice* cpu = m_cpus.getNextEnabledCPU(i); cpu; cpu = m_cpus.getNextEnabledCPU(i)) {
        for (const OvLib& lib : cpu->libs()) {
            for (const OvLoop* loop : lib.loops()) {
                for (const QList<OvGenericPoint*>* points : {&loop->sensors(), &loop->modules()}) {
                    for (const OvGenericPoint* p : *points) {
                        if (failed(*p))
                            programs << programName(*p);
                        for (const OvGenericSubPoint& sub : p->subPoints()) {
                            if (failed(sub))
                                programs << programName(sub);
                        }
                    }
                }
            }
        }
    }
    return programs;
}

int Plant::copyParametersTo()
{
    {
        PanelBlockWrite block(0, 2, 2);
        u8* zpx = block.data();
        put_le16(zpx, g_zpDataVersion);
        put_le16(zpx + 2, 0xFFFF);
        zpx[kNetworked] = getPlantType() == OvPlantType::kNetworked ? 1 : 0;
        // The defaults of the board records written next follow the detector brand.
        zpx[kBrand] = u8(Configuration::instance()->current_brand());
    }
    const int skipped = m_cpus.writeToPanelData();
    m_groups.writeGeneralFields();
    PanelBlockWrite block(0, 2, 2);
    u8* zpx = block.data();
    m_repeaters.writeToPanelData(zpx);
    putName(zpx + kDescription, m_description);
    zpx[kFlagsA] = u8((m_detectorsCheckStat ? 0x01 : 0) | (m_flashingStat ? 0x02 : 0)
                      | (m_autoAcknowledgementStat ? 0x08 : 0) | (m_driftAllert ? 0x10 : 0)
                      | (m_storagePrint ? 0x20 : 0) | ((m_walkTest & 3) << 6));
    zpx[kFlagsB] = u8((zpx[kFlagsB] & 0x10) | (m_sirenReactMode ? 0x01 : 0) | (m_sirenCorrelation ? 0x02 : 0)
                      | (m_sirenPhaseStat ? 0x04 : 0) | (m_serialNumbersCheckStat ? 0x08 : 0));
    zpx[kFlagsC] = u8((zpx[kFlagsC] & ~0x08) | (m_sirenInstantActivation ? 0 : 0x08));
    zpx[kInvalidResponse] = u8(m_failureIvalidResponseTime);
    zpx[kInvalidResponse + 1] = u8(m_falseFailureTimeTypeID);
    zpx[kInvalidResponse + 2] = u8(m_openCircuitsFailureTime);
    zpx[kInvalidResponse + 3] = u8(m_cameraLowValueTimeFailure);
    zpx[kInvalidResponse + 4] = u8(m_faultMaintenanceTime);
    zpx[kInvalidResponse + 5] = u8(m_acknowledgementInhibitionTime);
    if (m_walkTest == 2) {
        // Undefined or zero numbers count as 1.
        auto less1 = [](uint id) { return int(id) < 1 ? 0u : id - 1; };
        const uint loop = less1(m_walkTestLoopID);
        u8* w = zpx + kWalkTestPoint;
        w[0] = u8((less1(m_walkTestCPUID) & 63) | ((loop & 3) << 6));
        w[1] = u8((w[1] & 0xE0) | ((loop >> 2) & 1) | ((less1(m_walkTestSubID) & 15) << 1));
        w[2] = u8(less1(m_walkTestModuleID));
    }
    if (m_preAlarmLvl >= 30 && m_preAlarmLvl <= 99)
        zpx[kPreAlarm] = u8(m_preAlarmLvl);
    put_le16(zpx + kReserved, 0);
    put_le16(zpx + kFailureSystem, u16(m_failureSystemTime));
    put_le16(zpx + kDetectorsCheck, u16(m_detectorsCheckTime));
    put_le16(zpx + kAutoAck, u16(m_autoAcknowledgementTime));
    put_le16(zpx + kSirenDelay, u16(m_sirenDelayTime));
    for (int i = 0; i < 3; ++i) {
        if (m_passwords[i] <= kMaxPassword)
            put_le32(zpx + kPasswords + 4 * i, m_passwords[i]);
    }
    zpx[kSirenSound] = u8(m_sirenSoundType);
    zpx[kSirenSound + 1] = u8(m_sirenVolume);
    zpx[kSirenSound + 2] = u8(m_evacSoundType);
    zpx[kSirenSound + 3] = u8(m_evacSoundVolume);
    // The first CPU's SIB is read where it is: a copy of the CPU would copy all its points.
    const CPUDevice* first = m_cpus.count() > 0 ? m_cpus.cpuAt(0) : nullptr;
    if (first && first->sib().isSIBEnabled()) {
        const SIBConfiguration& sib = first->sib();
        std::memcpy(zpx + kSupervisor, sib.supervisorBlock(), SIBConfiguration::kSupervisorSize);
        zpx[kRsPort] = sib.rsAddress();
        put_le32(zpx + kSibIp, sib.sibIp());
        put_le32(zpx + kSibNetmask, sib.sibNetmask());
        put_le32(zpx + kSibGateway, sib.sibGateway());
    }
    if (m_printerStat) {
        zpx[kPrinter] |= 1;
        if (m_printerParity <= 2)
            zpx[kPrinter] = u8((zpx[kPrinter] & ~0x06) | (m_printerParity << 1));
        zpx[kPrinterBaud] = baudCode(m_printerBaudRate);
    }
    zpx[kReleAll] = u8((zpx[kReleAll] & ~3) | (m_plantReleAll & 3));
    zpx[kReleOut1] = u8((zpx[kReleOut1] & 0x0C) | (m_plantReleU1 & 3) | ((m_plantReleFU1 & 15) << 4));
    zpx[kReleOut2] = u8((zpx[kReleOut2] & 0x0C) | (m_plantReleU2 & 3) | ((m_plantReleFU2 & 15) << 4));
    return skipped;
}

void Plant::compileDevicePrograms() const
{
    const u32 linesPerBoard = CpuModel::get_lines_per_ll(cpuModel());
    for (u32 n = 0; n < kDeviceBlocks; ++n) {
        PanelBlockWrite block(n, 70, 133);
        u8* data = block.data();
        if (data[0] > 254 || data[1] > 254)
            continue;
        for (u32 r = 0; r < kDeviceSlots && 2 + kDeviceRecordSize * (r + 1) <= block.size(); ++r) {
            u8* rec = data + 2 + kDeviceRecordSize * r;
            // A record without a device type is unused: nothing after it belongs to a point.
            if (rec[0] == 255 || (rec[4] & 0x3F) == 0)
                break;
            const bool module = rec[1] & 0x80;
            const int family = module ? 2 : 1;
            const int sub = module ? rec[8] : 0;
            const u32 loop = linesPerBoard * data[1] + ((rec[1] & 0x40) ? 1 : 0);
            const OvGenericPoint* point = m_cpus.getPoint(data[0], loop, rec[0], family);
            if (!point)
                break;
            if (point->subPoints().isEmpty())
                point->parseCBE(rec + 11);
            else if (sub < point->subPoints().size())
                point->subPoints().at(sub).parseCBE(rec + 11);
        }
    }
}

QStringList Plant::modulesNotStored() const
{
    QStringList modules;
    int i = -1;
    for (const CPUDevice* cpu = m_cpus.getNextEnabledCPU(i); cpu; cpu = m_cpus.getNextEnabledCPU(i)) {
        for (const OvLib& lib : cpu->libs()) {
            for (const OvLoop* loop : lib.loops()) {
                for (const OvGenericPoint* m : loop->modules()) {
                    if (m->isValid() && !m->subPoints().isEmpty() && m->getValidCount() == 0)
                        modules << programName(*m);
                }
            }
        }
    }
    return modules;
}
