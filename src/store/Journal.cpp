#include "store/Journal.h"

#include <QCryptographicHash>
#include <QDir>
#include <QtEndian>

#include <cerrno>
#include <fcntl.h>

namespace {

constexpr char Magic[4] = {'K', 'X', 'J', '1'};
constexpr qsizetype HashSize = 32;
constexpr qsizetype HeaderSize = 4 + 4 + HashSize;
// No operation of the program journals more than this; a larger length is damage.
constexpr quint32 MaxBody = 64 * 1024 * 1024;

template <typename T> void put(QByteArray &out, T value)
{
    const T le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&le), sizeof le);
}

void putBytes(QByteArray &out, const QByteArray &bytes)
{
    put<quint32>(out, static_cast<quint32>(bytes.size()));
    out.append(bytes);
}

// Reads the body back, refusing anything that runs past its end.
class Reader {
  public:
    explicit Reader(const QByteArray &bytes) : m_bytes(bytes) {}
    template <typename T> bool get(T &value)
    {
        if (m_at + qsizetype(sizeof value) > m_bytes.size())
            return false;
        value = qFromLittleEndian<T>(m_bytes.constData() + m_at);
        m_at += sizeof value;
        return true;
    }
    bool getBytes(QByteArray &value)
    {
        quint32 size = 0;
        if (!get(size) || size > quint32(m_bytes.size() - m_at))
            return false;
        value = m_bytes.mid(m_at, size);
        m_at += size;
        return true;
    }
    bool atEnd() const { return m_at == m_bytes.size(); }

  private:
    const QByteArray &m_bytes;
    qsizetype m_at = 0;
};

} // namespace

QString Journal::path() const { return QDir(m_directory).filePath(QLatin1String(FileName)); }

int Journal::open(int dirFd)
{
    close();
    m_dirFd = dirFd;
    const QString name = QLatin1String(FileName);
    const bool existed = Posix::idOfAt(dirFd, name).exists;
    // The journal is the program's own file: a link in its place is not followed.
    int fd = Posix::openAt(dirFd, name, O_RDWR | O_CREAT | O_NOFOLLOW, 0600);
    if (fd < 0)
        return errno;
    if (!Posix::idOf(fd).regular) {
        Posix::close(fd);
        return EINVAL;
    }
    m_fd = fd;
    if (!existed) {
        // Room for the journal of any ordinary operation, taken while there is room.
        Posix::reserve(m_fd, 0, 4096);
        if (const int err = Posix::syncDirectory(dirFd))
            return err;
    }
    return 0;
}

bool Journal::nameStillRefersToIt() const
{
    const Posix::FileId now = Posix::idOfAt(m_dirFd, QLatin1String(FileName));
    return m_fd >= 0 && now.regular && now == id();
}

int Journal::setAside(QString *name)
{
    if (const int err = Posix::renameAside(m_dirFd, QLatin1String(FileName), QLatin1String(SetAsideName), name))
        return err;
    if (const int err = Posix::syncDirectory(m_dirFd))
        return err;
    return open(m_dirFd);
}

QByteArray Journal::encode(const Operation &op)
{
    QByteArray body;
    put<quint32>(body, static_cast<quint32>(op.changes.size()));
    for (int f = 0; f < 2; ++f) {
        put<quint64>(body, op.files[f].device);
        put<quint64>(body, op.files[f].inode);
        put<qint64>(body, op.lengthBefore[f]);
        put<qint64>(body, op.lengthAfter[f]);
    }
    for (const Change &c : op.changes) {
        put<quint8>(body, static_cast<quint8>(c.file));
        put<qint64>(body, c.offset);
        putBytes(body, c.after);
        putBytes(body, c.before);
    }
    QByteArray out(Magic, sizeof Magic);
    put<quint32>(out, static_cast<quint32>(body.size()));
    out.append(QCryptographicHash::hash(body, QCryptographicHash::Sha256));
    out.append(body);
    return out;
}

std::optional<Journal::Operation> Journal::decode(const QByteArray &bytes)
{
    if (bytes.size() < HeaderSize || !bytes.startsWith(QByteArray(Magic, sizeof Magic)))
        return std::nullopt;
    const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + 4);
    if (size > MaxBody || qsizetype(size) > bytes.size() - HeaderSize)
        return std::nullopt;
    const QByteArray body = bytes.mid(HeaderSize, size);
    if (QCryptographicHash::hash(body, QCryptographicHash::Sha256) != bytes.mid(8, HashSize))
        return std::nullopt;

    Operation op;
    Reader in(body);
    quint32 count = 0;
    if (!in.get(count))
        return std::nullopt;
    for (int f = 0; f < 2; ++f) {
        quint64 device = 0, inode = 0;
        if (!in.get(device) || !in.get(inode) || !in.get(op.lengthBefore[f]) || !in.get(op.lengthAfter[f]))
            return std::nullopt;
        op.files[f].device = static_cast<dev_t>(device);
        op.files[f].inode = static_cast<ino_t>(inode);
        op.files[f].exists = true;
        op.files[f].regular = true;
        if (op.lengthBefore[f] < 0 || op.lengthAfter[f] < 0)
            return std::nullopt;
    }
    for (quint32 i = 0; i < count; ++i) {
        Change c;
        quint8 file = 0;
        if (!in.get(file) || file > Arci || !in.get(c.offset) || c.offset < 0 || !in.getBytes(c.after) ||
            !in.getBytes(c.before))
            return std::nullopt;
        c.file = file;
        op.changes.append(c);
    }
    if (!in.atEnd())
        return std::nullopt;
    return op;
}

std::optional<Journal::Operation> Journal::pending() const
{
    if (m_fd < 0)
        return std::nullopt;
    QByteArray header(HeaderSize, Qt::Uninitialized);
    if (Posix::readAt(m_fd, header.data(), HeaderSize, 0) != HeaderSize ||
        !header.startsWith(QByteArray(Magic, sizeof Magic)))
        return std::nullopt;
    const quint32 size = qFromLittleEndian<quint32>(header.constData() + 4);
    if (size > MaxBody)
        return std::nullopt;
    QByteArray all(HeaderSize + qsizetype(size), Qt::Uninitialized);
    const qint64 got = Posix::readAt(m_fd, all.data(), all.size(), 0);
    if (got != all.size())
        return std::nullopt;
    return decode(all);
}

int Journal::record(const Operation &op)
{
    const QByteArray bytes = encode(op);
    if (const int err = Posix::writeAt(m_fd, bytes.constData(), bytes.size(), 0))
        return err;
    return Posix::sync(m_fd);
}

int Journal::clear()
{
    const char none[sizeof Magic] = {};
    if (const int err = Posix::writeAt(m_fd, none, sizeof none, 0))
        return err;
    return Posix::sync(m_fd);
}
