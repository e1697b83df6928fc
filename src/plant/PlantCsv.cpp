#include "plant/PlantCsv.h"

#include "core/ApplicationInfo.h"
#include "core/OvParameters.h"

#include "OS/SaveFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr char kWorkPrefix[] = ".csv-export-";
// Locked by the export that writes into its work folder for as long as it runs.
constexpr char kOwnerFile[] = ".owner";

// Closes a descriptor when it goes.
struct Descriptor {
    explicit Descriptor(int value)
        : fd(value)
    {
    }
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd;
};

// The owner file of the work folder, opened and locked; -1 when another holds the lock, the
// folder is being removed or, unless create, the file is not there (a folder the export did not
// make). *locked is false where the file system has no locks: the folder is used then, but never
// taken for a killed export's.
int lockOwner(int folder, bool create, bool* locked)
{
    const int fd = ::openat(folder, kOwnerFile, O_RDWR | O_CLOEXEC | O_NOFOLLOW | (create ? O_CREAT : 0), 0600);
    if (fd < 0)
        return -1;
    *locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    struct stat st;
    // Locked after a remover let go of it: the folder is going.
    if ((!*locked && errno == EWOULDBLOCK) || ::fstat(fd, &st) != 0 || st.st_nlink == 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

int openFolder(int parent, const char* name)
{
    return ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// The names in the open folder, "." and ".." left out.
std::vector<QByteArray> entriesOf(int folder)
{
    std::vector<QByteArray> names;
    const int listed = folder < 0 ? -1 : ::dup(folder);
    DIR* entries = listed < 0 ? nullptr : ::fdopendir(listed);
    if (!entries) {
        if (listed >= 0)
            ::close(listed);
        return names;
    }
    ::rewinddir(entries);
    while (const dirent* entry = ::readdir(entries)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(entries);
    return names;
}

// A file an export writes into its work folder: a CSV file of the set, or the document, also
// under the name it has until it is put in place.
bool isExportFile(int folder, const QByteArray& name)
{
    const QByteArray document = QByteArrayLiteral("Plant.xml");
    struct stat st;
    return (name.endsWith(".csv") || name.endsWith(document) || name.contains(document + SaveFile::kTempMark))
        && ::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode);
}

// Removes the work folder, open as folder and named name in parent, whose owner file the caller
// holds: the export's files, then the owner file (until then another export finds the folder in
// use) and the folder. Anything else, a link included, stays, and then so do they.
void removeWorkFolder(int parent, const char* name, int folder)
{
    bool kept = false;
    for (const QByteArray& file : entriesOf(folder)) {
        if (file != kOwnerFile && (!isExportFile(folder, file) || ::unlinkat(folder, file.constData(), 0) != 0))
            kept = true;
    }
    if (kept)
        return;
    ::unlinkat(folder, kOwnerFile, 0);
    ::unlinkat(parent, name, AT_REMOVEDIR);
}

// Removes the work folders in folder that no running export holds. A link is never followed,
// so nothing outside the folder goes.
void removeLeftWorkFolders(const QString& folder)
{
    const Descriptor parent(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (const QByteArray& name : entriesOf(parent.fd)) {
        if (!name.startsWith(kWorkPrefix))
            continue;
        const Descriptor work(openFolder(parent.fd, name.constData()));
        bool locked = false;
        const Descriptor owner(work.fd < 0 ? -1 : lockOwner(work.fd, false, &locked));
        if (owner.fd >= 0 && locked)
            removeWorkFolder(parent.fd, name.constData(), work.fd);
    }
}

// Copies the staged file into target and stages it there, leaving its commit only the rename;
// false with the reason.
bool copyStaged(const QString& staged, SaveFile& target, QString* reason)
{
    QFile file(staged);
    bool copied = target.open() && file.open(QIODevice::ReadOnly);
    while (copied && !file.atEnd()) {
        const QByteArray bytes = file.read(1 << 16);
        copied = !bytes.isEmpty() && target.write(bytes.constData(), size_t(bytes.size()));
    }
    if (copied && target.stage())
        return true;
    *reason = target.error() != 0 ? qt_error_string(target.error()) : file.errorString();
    return false;
}

} // namespace

PlantCsv::Stage::Stage(const QString& folder)
    : m_folder(QDir::cleanPath(QDir(folder).absolutePath()))
    , m_outer(current())
{
    removeLeftWorkFolders(m_folder);
    if (!create())
        fail(m_folder, qt_error_string(errno));
    current() = this;
}

PlantCsv::Stage::~Stage()
{
    current() = m_outer;
    if (isValid()) {
        const QByteArray path = QFile::encodeName(m_path);
        const Descriptor own(openFolder(AT_FDCWD, path.constData()));
        removeWorkFolder(AT_FDCWD, path.constData(), own.fd);
    }
    if (m_owner >= 0)
        ::close(m_owner);
}

bool PlantCsv::Stage::create()
{
    // Another export that finds the new folder before its owner file is locked may take it for
    // a killed export's and remove it: then a new one is made.
    for (int i = 0; i < 3; ++i) {
        QByteArray path = QFile::encodeName(m_folder + QLatin1String("/") + QLatin1String(kWorkPrefix))
            + QByteArrayLiteral("XXXXXX");
        if (!::mkdtemp(path.data()))
            return false;
        const Descriptor folder(openFolder(AT_FDCWD, path.constData()));
        bool locked = false;
        m_owner = folder.fd < 0 ? -1 : lockOwner(folder.fd, true, &locked);
        if (m_owner >= 0) {
            m_path = QFile::decodeName(path);
            return true;
        }
        // Empty unless another export holds it, which then removes it.
        ::rmdir(path.constData());
    }
    errno = EBUSY;
    return false;
}

PlantCsv::Stage*& PlantCsv::Stage::current()
{
    thread_local Stage* stage = nullptr;
    return stage;
}

void PlantCsv::Stage::fail(const QString& path, const QString& reason)
{
    if (!m_failedFile.isEmpty())
        return;
    const QString staged = m_path + QLatin1Char('/');
    m_failedFile = isValid() && path.startsWith(staged) ? m_folder + QLatin1Char('/') + path.mid(staged.size()) : path;
    m_failureReason = reason;
}

bool PlantCsv::Stage::commit()
{
    if (!m_failedFile.isEmpty() || !isValid())
        return false;
    QStringList names = m_written;
    for (const QString& name : QDir(m_path).entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (!names.contains(name) && name != QLatin1String(kOwnerFile))
            names << name;
    }
    // Another export into the folder waits from the first check through the last move: each set
    // goes in whole, and the last one stays.
    const FolderLock lock(QFile::encodeName(m_folder).toStdString());
    // A staged file takes a target of the folder by a rename; one a link names elsewhere, maybe
    // on another file system, is written beside it, synced and named, all before anything moves.
    struct Move {
        QString shown;
        QByteArray staged;
        QByteArray target;
        std::unique_ptr<SaveFile> copy;
    };
    std::vector<Move> moves;
    const QString realFolder = QFileInfo(m_folder).canonicalFilePath();
    for (const QString& name : names) {
        Move move;
        move.shown = m_folder + QLatin1Char('/') + name;
        move.staged = QFile::encodeName(m_path + QLatin1Char('/') + name);
        SaveTarget target;
        if (const int refused = check_save_target(QFile::encodeName(move.shown).constData(), &target)) {
            fail(move.shown, qt_error_string(refused));
            return false;
        }
        move.target = QByteArray::fromStdString(target.path);
        const QString targetFolder = QFileInfo(QFile::decodeName(move.target)).absolutePath();
        if (target.regular && QFileInfo(targetFolder).canonicalFilePath() == realFolder) {
            if (target.exists && ::chmod(move.staged.constData(), target.mode) != 0) {
                fail(move.shown, qt_error_string(errno));
                return false;
            }
        } else {
            move.copy.reset(new SaveFile(move.target.constData()));
            QString reason;
            if (!copyStaged(QFile::decodeName(move.staged), *move.copy, &reason)) {
                fail(move.shown, reason);
                return false;
            }
        }
        moves.push_back(std::move(move));
    }
    // The staged files reach the disk before any takes a name in the folder: a power cut leaves
    // the earlier file or the new one whole, as every other written file does.
    const Descriptor work(openFolder(AT_FDCWD, QFile::encodeName(m_path).constData()));
    if (work.fd < 0 || ::syncfs(work.fd) != 0) {
        fail(m_folder, qt_error_string(errno));
        return false;
    }
    // Nothing else runs from the first rename to the last: a kill or a failure there leaves the
    // files before it new and the others as they were, each whole.
    for (Move& move : moves) {
        const bool moved = move.copy ? move.copy->commit() == ZP_OK
                                     : std::rename(move.staged.constData(), move.target.constData()) == 0;
        if (!moved) {
            fail(move.shown, qt_error_string(move.copy ? move.copy->error() : errno));
            m_partlyReplaced = &move != &moves.front();
            return false;
        }
    }
    return true;
}

PlantCsv::PlantCsv(const QString& path)
    : m_path(path)
    , m_file(path)
    , m_separator(OvParameters::instance()->csvToken())
{
    Stage* stage = Stage::current();
    const QFileInfo info(path);
    if (stage && stage->isValid() && QDir::cleanPath(info.absolutePath()) == stage->m_folder) {
        m_stage = stage;
        stage->m_written << info.fileName();
        m_staged.setFileName(stage->m_path + QLatin1Char('/') + info.fileName());
        // Unbuffered: the text is held here, and a short write is then the file's, with its reason.
        m_open = m_staged.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)
            || failed(m_staged.errorString());
    } else {
        m_open = m_file.open(QIODevice::WriteOnly) || failed(m_file.errorString());
    }
}

PlantCsv::~PlantCsv()
{
    close();
    OvParameters::release();
}

bool PlantCsv::failed(const QString& reason)
{
    if (m_stage)
        m_stage->fail(m_path, reason);
    return false;
}

QIODevice& PlantCsv::device()
{
    return m_stage ? static_cast<QIODevice&>(m_staged) : m_file;
}

bool PlantCsv::put()
{
    const QByteArray bytes = m_text.toUtf8();
    m_text.clear();
    // A short write is retried: the write that then fails says why (a full disk, a size limit).
    for (qint64 done = 0; m_written && done < bytes.size();) {
        const qint64 n = device().write(bytes.constData() + done, bytes.size() - done);
        m_written = n > 0;
        done += n;
    }
    return m_written;
}

bool PlantCsv::close()
{
    if (!m_open)
        return false;
    m_open = false;
    if (!m_stage) {
        if (put() && m_file.commit())
            return true;
        m_file.cancelWriting();
        return false;
    }
    if (!put() || !m_staged.flush()) {
        failed(m_staged.errorString());
        m_staged.close();
        return false;
    }
    m_staged.close();
    return m_staged.error() == QFileDevice::NoError || failed(m_staged.errorString());
}

void PlantCsv::writeHeader(const QString& shownPath)
{
    writeLine({qtTrId("CSV_FILENAME"), shownPath}, false);
    const QString version = QStringLiteral("%1.%2").arg(kApplicationMajorVersion).arg(kApplicationMinorVersion);
    writeLine({applicationFileName(), qtTrId("ID_OV_VERSION_LBL"), version}, false);
    writeLine({qtTrId("CSV_CREATEDON"), QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd hh:mm"))},
              false);
    writeLine({}, false);
}

void PlantCsv::writeLine(const QStringList& cells, bool trailingSeparator)
{
    if (!m_open)
        return;
    for (int i = 0; i < cells.size(); ++i) {
        m_text += quoted(cells.at(i), m_separator);
        if (trailingSeparator || i + 1 < cells.size())
            m_text += m_separator;
    }
    m_text += QLatin1Char('\n');
    if (m_text.size() >= kChunk)
        put();
}

QString PlantCsv::quoted(const QString& cell, const QString& separator)
{
    const bool needed = (!separator.isEmpty() && cell.contains(separator)) || cell.contains(QLatin1Char('"'))
        || cell.contains(QLatin1Char('\r')) || cell.contains(QLatin1Char('\n'));
    if (!needed)
        return cell;
    QString text = cell;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}
