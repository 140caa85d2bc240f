#include "core/exchange/WorkbookFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

namespace lirvenda {

namespace {

const QByteArray CompoundFileSignature = QByteArray::fromHex("d0cf11e0a1b11ae1");
const QByteArray ZipLocalHeader = QByteArrayLiteral("PK\x03\x04");
const QByteArray ZipEndOfDirectory = QByteArrayLiteral("PK\x05\x06");
constexpr qint64 ZipEndSearch = 65535 + 22; // the end record, with a comment of at most 64 KiB
constexpr int CompoundHeaderSize = 512;
constexpr int HeaderFatSectors = 109; // the sector numbers of the allocation table in the header
constexpr quint32 LastRegularSector = 0xFFFFFFFA;

quint32 number32(const QByteArray &bytes, int offset) { return qFromLittleEndian<quint32>(bytes.constData() + offset); }

// The header names the allocation table's sectors and the directory's first sector: a file cut
// short lacks some of them.
QString compoundFault(QFile &file)
{
    const QByteArray header = file.read(CompoundHeaderSize);
    if (header.size() < CompoundHeaderSize)
        return QCoreApplication::translate("WorkbookFile", "fila er avkuttet");
    const quint16 sectorShift = qFromLittleEndian<quint16>(header.constData() + 0x1E);
    if (sectorShift != 9 && sectorShift != 12)
        return QCoreApplication::translate("WorkbookFile", "fila er skadet");
    const qint64 sectorSize = qint64(1) << sectorShift;
    const qint64 sectors = (file.size() - sectorSize) / sectorSize; // after the header's sector
    const auto within = [sectors](quint32 sector) { return sector > LastRegularSector || sector < sectors; };
    if (!within(number32(header, 0x30)))
        return QCoreApplication::translate("WorkbookFile", "fila er avkuttet");
    const quint32 fatSectors = number32(header, 0x2C);
    for (quint32 i = 0; i < qMin<quint32>(fatSectors, HeaderFatSectors); ++i)
        if (!within(number32(header, 0x4C + int(i) * 4)))
            return QCoreApplication::translate("WorkbookFile", "fila er avkuttet");
    return {};
}

QString zipFault(QFile &file)
{
    const qint64 tail = qMin(file.size(), ZipEndSearch);
    if (!file.seek(file.size() - tail) || !file.read(tail).contains(ZipEndOfDirectory))
        return QCoreApplication::translate("WorkbookFile", "fila er avkuttet");
    return {};
}

} // namespace

QString workbookFault(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("WorkbookFile", "fila kan ikke leses (%1)").arg(file.errorString());
    const QByteArray start = file.peek(CompoundFileSignature.size());
    if (start.startsWith(CompoundFileSignature))
        return compoundFault(file);
    if (start.startsWith(ZipLocalHeader))
        return zipFault(file);
    return QCoreApplication::translate("WorkbookFile", "fila er ikke et excel-ark");
}

} // namespace lirvenda
