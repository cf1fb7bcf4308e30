#include "ChmArchive.h"

#include <chm_lib.h>
#include <QFile>

namespace ampero {

namespace {

// Larger objects are no help topic: refuse them rather than trust a damaged length.
constexpr LONGUINT64 kMaxObject = 64u * 1024u * 1024u;

QString absolute(const QString& path) { return path.startsWith(u'/') ? path : u'/' + path; }

int collectFile(chmFile*, chmUnitInfo* unit, void* context)
{
    const QString path = QString::fromUtf8(unit->path);
    if (path.startsWith(u'/') && !path.endsWith(u'/') && !path.startsWith(u"/#") &&
        !path.startsWith(u"/$"))
        static_cast<QStringList*>(context)->append(path);
    return CHM_ENUMERATOR_CONTINUE;
}

quint32 littleEndian(const QByteArray& bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes[at + i]);
    return value;
}

} // namespace

ChmArchive::~ChmArchive() { close(); }

bool ChmArchive::open(const QString& path)
{
    close();
    if (!QFile::exists(path))
        return false;
    m_file = chm_open(QFile::encodeName(path).constData());
    if (!m_file)
        return false;
    chm_enumerate(m_file, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, collectFile, &m_files);
    readSystem();
    return true;
}

void ChmArchive::close()
{
    if (m_file)
        chm_close(m_file);
    m_file = nullptr;
    m_files.clear();
    m_contents.clear();
    m_index.clear();
    m_defaultTopic.clear();
    m_title.clear();
}

bool ChmArchive::contains(const QString& path) const
{
    if (!m_file)
        return false;
    chmUnitInfo unit;
    return chm_resolve_object(m_file, QFile::encodeName(absolute(path)).constData(), &unit) ==
           CHM_RESOLVE_SUCCESS;
}

QByteArray ChmArchive::read(const QString& path) const
{
    if (!m_file)
        return {};
    chmUnitInfo unit;
    if (chm_resolve_object(m_file, QFile::encodeName(absolute(path)).constData(), &unit) !=
            CHM_RESOLVE_SUCCESS ||
        unit.length == 0 || unit.length > kMaxObject)
        return {};
    QByteArray bytes(static_cast<qsizetype>(unit.length), Qt::Uninitialized);
    const LONGINT64 got = chm_retrieve_object(
        m_file, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0, bytes.size());
    if (got != static_cast<LONGINT64>(unit.length))
        return {};
    return bytes;
}

// The system object: a version word, then records of code, length and a text that ends in NUL.
void ChmArchive::readSystem()
{
    const QByteArray system = read(QStringLiteral("/#SYSTEM"));
    qsizetype at = 4;
    while (at + 4 <= system.size()) {
        const quint32 code = littleEndian(system, at, 2);
        const qsizetype length = littleEndian(system, at + 2, 2);
        at += 4;
        if (at + length > system.size())
            break;
        QByteArray text = system.mid(at, length);
        if (const qsizetype end = text.indexOf('\0'); end >= 0)
            text.truncate(end);
        const QString value = text.isEmpty() ? QString() : absolute(QString::fromUtf8(text));
        switch (code) {
        case 0:
            m_contents = value;
            break;
        case 1:
            m_index = value;
            break;
        case 2:
            m_defaultTopic = value;
            break;
        case 3:
            m_title = QString::fromUtf8(text);
            break;
        default:
            break;
        }
        at += length;
    }
    // A compiler that leaves out a record still stores the files themselves.
    for (const QString& file : m_files) {
        if (m_contents.isEmpty() && file.endsWith(u".hhc", Qt::CaseInsensitive))
            m_contents = file;
        if (m_index.isEmpty() && file.endsWith(u".hhk", Qt::CaseInsensitive))
            m_index = file;
    }
}

} // namespace ampero
