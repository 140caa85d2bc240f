#include "core/exchange/DarwinCoreArchive.h"

#include "core/exchange/ExportFile.h"
#include "core/exchange/ExportRows.h"
#include "core/group/GroupSave.h"
#include "core/shared/ArchiveFile.h"
#include "core/shared/TextFiles.h"
#include "core/store/Program.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>
#include <QXmlStreamWriter>

#include <charconv>
#include <cstring>

namespace lirvenda {

namespace {

const QString PrefixFileName = QStringLiteral("DarwinCorePrefix.txt");
const QString OccurrenceFile = QStringLiteral("occurrence.txt");

// The terms of Dublin Core; every other term is Darwin Core's.
const QStringList DublinCoreTerms = {QStringLiteral("type"),
                                     QStringLiteral("modified"),
                                     QStringLiteral("language"),
                                     QStringLiteral("license"),
                                     QStringLiteral("rightsHolder"),
                                     QStringLiteral("accessRights"),
                                     QStringLiteral("bibliographicCitation"),
                                     QStringLiteral("references")};

struct LicenceText {
    Licence licence;
    QString name, title, url;
};
const QList<LicenceText> Licences = {
    {Licence::Cc0, QStringLiteral("CC0"), QStringLiteral("Public Domain (CC0 1.0)"),
     QStringLiteral("http://creativecommons.org/publicdomain/zero/1.0/legalcode")},
    {Licence::CcBy, QStringLiteral("CC BY 4.0"), QStringLiteral("Creative Commons Attribution (CC-BY) 4.0 License"),
     QStringLiteral("http://creativecommons.org/licenses/by/4.0/legalcode")},
    {Licence::CcByNc, QStringLiteral("CC BY-NC 4.0"),
     QStringLiteral("Creative Commons Attribution Non Commercial (CC-BY-NC) 4.0 License"),
     QStringLiteral("http://creativecommons.org/licenses/by-nc/4.0/legalcode")},
};

const LicenceText &licenceText(Licence licence)
{
    return *std::find_if(Licences.cbegin(), Licences.cend(), [licence](const auto &l) { return l.licence == licence; });
}

// Ends a field of occurrence.txt begun at from. The fields are never quoted: a tab or line break
// in a text becomes a blank.
void endField(QByteArray &line, qsizetype from)
{
    for (char *c = line.data() + from, *end = line.data() + line.size(); c < end; ++c)
        if (*c == '\t' || *c == '\n' || *c == '\r')
            *c = ' ';
    line += '\t';
}

void appendField(QByteArray &line, QByteArrayView text, QByteArrayView more = {})
{
    const qsizetype from = line.size();
    line.append(text).append(more);
    endField(line, from);
}

// Whether two texts are the same, compared in place (each row compares a few).
bool same(QByteArrayView text, QByteArrayView other)
{
    return text.size() == other.size() && std::memcmp(text.data(), other.data(), size_t(text.size())) == 0;
}

QByteArrayView sexTerm(QByteArrayView sex)
{
    if (same(sex, "Hann"))
        return "male";
    if (same(sex, "Hunn"))
        return "female";
    return same(sex, "I par") ? QByteArrayView("male | female") : sex;
}

// A stored moment as ISO 8601: the day alone at midnight.
void appendIsoInstant(QByteArray &line, QByteArrayView stored, const StoredMoment &moment)
{
    line += stored.first(10);
    if (!moment.midnight)
        line.append('T').append(stored.sliced(11));
}

// The start, or the interval from start to stop when the stop is another moment.
void appendEventDate(QByteArray &line, const ExportRow &row)
{
    const qsizetype from = line.size();
    if (row.startMoment.valid)
        appendIsoInstant(line, row.start, row.startMoment);
    const bool midnight = row.stopMoment.midnight; // the day alone is compared then
    const bool sameAsStart = row.stopMoment.valid && row.startMoment.valid && midnight == row.startMoment.midnight &&
                             same(midnight ? row.stop.first(10) : row.stop, midnight ? row.start.first(10) : row.start);
    if (row.stopMoment.valid && !sameAsStart) {
        line += '/';
        appendIsoInstant(line, row.stop, row.stopMoment);
    }
    endField(line, from);
}

// Hands occurrence.txt to write in blocks of about 256 kB.
qint64 produceOccurrences(Program &program, const ArchiveCriteria &criteria, const QByteArray &prefix,
                          const std::function<void(QByteArray block)> &write)
{
    constexpr qsizetype BlockSize = 1 << 18;
    QStringList header;
    for (const DarwinCoreTerm &term : occurrenceTerms())
        header << term.name;
    QByteArray block = header.join(QLatin1Char('\t')).toUtf8() + '\n';
    block.reserve(BlockSize + 4096);
    const qint64 written = forEachExportRow(program, criteria, [&](const ExportRow &row) {
        appendOccurrenceLine(block, row, prefix);
        block += '\n';
        if (block.size() >= BlockSize) {
            write(std::exchange(block, QByteArray()));
            block.reserve(BlockSize + 4096);
        }
    });
    write(block);
    return written;
}

} // namespace

QString DarwinCoreTerm::uri() const
{
    return (DublinCoreTerms.contains(name) ? QStringLiteral("http://purl.org/dc/terms/")
                                           : QStringLiteral("http://rs.tdwg.org/dwc/terms/")) +
           name;
}

const QList<DarwinCoreTerm> &occurrenceTerms()
{
    static const QList<DarwinCoreTerm> terms = [] {
        QList<DarwinCoreTerm> list;
        for (const char *name : {"occurrenceID",
                                 "basisOfRecord",
                                 "eventDate",
                                 "scientificName",
                                 "vernacularName",
                                 "kingdom",
                                 "class",
                                 "taxonRank",
                                 "individualCount",
                                 "occurrenceStatus",
                                 "sex",
                                 "lifeStage",
                                 "behavior",
                                 "occurrenceRemarks",
                                 "recordedBy",
                                 "locality",
                                 "municipality",
                                 "county",
                                 "stateProvince",
                                 "countryCode",
                                 "decimalLatitude",
                                 "decimalLongitude",
                                 "geodeticDatum"})
            list.append({QString::fromLatin1(name)});
        return list;
    }();
    return terms;
}

QStringList licenceNames()
{
    QStringList names;
    for (const LicenceText &licence : Licences)
        names << licence.name;
    return names;
}

std::optional<Licence> licenceNamed(const QString &name)
{
    for (const LicenceText &licence : Licences)
        if (licence.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return licence.licence;
    return std::nullopt;
}

DarwinCoreSettings defaultDarwinCoreSettings(Program &program)
{
    DarwinCoreSettings settings;
    settings.datasetPrefix = readFirstLine(program.filePath(PrefixFileName)).trimmed();
    if (settings.datasetPrefix.isEmpty())
        settings.datasetPrefix = QStringLiteral("urn:uuid:%1:").arg(QUuid::createUuid().toString(QUuid::WithoutBraces));
    const QString observer = rememberedMainObserverId(program);
    if (!observer.isEmpty()) {
        Statement names = program.observerConnection().query(
            QStringLiteral("SELECT ObserverFirstName, ObserverLastName FROM Observers WHERE ObserverID = ?"),
            {observer.toLongLong()});
        if (names.next())
            settings.creator =
                (names.value(0).toString().trimmed() + QLatin1Char(' ') + names.value(1).toString().trimmed())
                    .trimmed();
    }
    settings.title = settings.creator.isEmpty() ? QStringLiteral("Observasjoner fra Lirvenda")
                                                : QStringLiteral("Observasjoner av %1").arg(settings.creator);
    settings.published = QDate::currentDate();
    return settings;
}

void rememberDatasetPrefix(Program &program, const QString &prefix)
{
    writeLine(program.filePath(PrefixFileName), prefix);
}

void appendOccurrenceLine(QByteArray &line, const ExportRow &row, QByteArrayView datasetPrefix)
{
    const bool located = !row.decimalLatitude.isEmpty() && !row.decimalLongitude.isEmpty();
    const QByteArrayView none;
    char number[24];
    const auto numberOf = [&number](qint64 value) {
        return QByteArrayView(number, std::to_chars(number, number + sizeof number, value).ptr);
    };
    appendField(line, datasetPrefix, row.uniqueId.isEmpty() ? numberOf(row.obsId) : row.uniqueId);
    appendField(line, "HumanObservation");
    appendEventDate(line, row);
    for (const QByteArrayView field : {row.scientificName, row.vernacularName, QByteArrayView("Animalia"),
                                       row.taxonClass, QByteArrayView("species")})
        appendField(line, field);
    appendField(line, row.count ? numberOf(*row.count) : none);
    for (const QByteArrayView field : {
             row.count == 0 ? QByteArrayView("absent") : QByteArrayView("present"),
             sexTerm(row.sex),
             row.age,
             row.activity,
             row.comment,
             row.observerNames,
             row.locality,
             row.municipalityName,
             row.countyName,
             row.countyName,
             row.placeCode.isEmpty() ? none : QByteArrayView("NO"),
             located ? row.decimalLatitude : none,
             located ? row.decimalLongitude : none,
             located ? QByteArrayView("WGS84") : none,
         })
        appendField(line, field);
    line.chop(1); // the tab after the last field
}

QByteArray metaXml()
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDefaultNamespace(QStringLiteral("http://rs.tdwg.org/dwc/text/"));
    writer.writeStartElement(QStringLiteral("archive"));
    writer.writeAttribute(QStringLiteral("metadata"), QStringLiteral("eml.xml"));
    writer.writeStartElement(QStringLiteral("core"));
    writer.writeAttribute(QStringLiteral("encoding"), QStringLiteral("UTF-8"));
    writer.writeAttribute(QStringLiteral("fieldsTerminatedBy"), QStringLiteral("\\t"));
    writer.writeAttribute(QStringLiteral("linesTerminatedBy"), QStringLiteral("\\n"));
    writer.writeAttribute(QStringLiteral("fieldsEnclosedBy"), QString());
    writer.writeAttribute(QStringLiteral("ignoreHeaderLines"), QStringLiteral("1"));
    writer.writeAttribute(QStringLiteral("rowType"), QStringLiteral("http://rs.tdwg.org/dwc/terms/Occurrence"));
    writer.writeStartElement(QStringLiteral("files"));
    writer.writeTextElement(QStringLiteral("location"), OccurrenceFile);
    writer.writeEndElement();
    writer.writeEmptyElement(QStringLiteral("id"));
    writer.writeAttribute(QStringLiteral("index"), QStringLiteral("0"));
    for (qsizetype i = 0; i < occurrenceTerms().size(); ++i) {
        writer.writeEmptyElement(QStringLiteral("field"));
        writer.writeAttribute(QStringLiteral("index"), QString::number(i));
        writer.writeAttribute(QStringLiteral("term"), occurrenceTerms()[i].uri());
    }
    writer.writeEndDocument();
    return xml;
}

QByteArray emlXml(const DarwinCoreSettings &settings)
{
    const LicenceText &licence = licenceText(settings.licence);
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeNamespace(QStringLiteral("eml://ecoinformatics.org/eml-2.1.1"), QStringLiteral("eml"));
    writer.writeStartElement(QStringLiteral("eml://ecoinformatics.org/eml-2.1.1"), QStringLiteral("eml"));
    writer.writeAttribute(QStringLiteral("packageId"), settings.datasetPrefix);
    writer.writeAttribute(QStringLiteral("system"), QStringLiteral("Lirvenda"));
    writer.writeAttribute(QStringLiteral("xml:lang"), QStringLiteral("nb"));
    writer.writeStartElement(QStringLiteral("dataset"));
    writer.writeTextElement(QStringLiteral("title"), settings.title);
    for (const QString &role : {QStringLiteral("creator"), QStringLiteral("contact")}) {
        writer.writeStartElement(role);
        writer.writeStartElement(QStringLiteral("individualName"));
        writer.writeTextElement(QStringLiteral("surName"), settings.creator);
        writer.writeEndElement();
        writer.writeEndElement();
    }
    writer.writeTextElement(QStringLiteral("pubDate"), settings.published.toString(Qt::ISODate));
    writer.writeTextElement(QStringLiteral("language"), QStringLiteral("nb"));
    writer.writeStartElement(QStringLiteral("intellectualRights"));
    writer.writeStartElement(QStringLiteral("para"));
    writer.writeCharacters(QStringLiteral("This work is licensed under a "));
    writer.writeStartElement(QStringLiteral("ulink"));
    writer.writeAttribute(QStringLiteral("url"), licence.url);
    writer.writeTextElement(QStringLiteral("citetitle"), licence.title);
    writer.writeEndElement();
    writer.writeCharacters(QStringLiteral("."));
    writer.writeEndDocument();
    return xml;
}

qint64 exportDarwinCore(Program &program, const ArchiveCriteria &criteria, const DarwinCoreSettings &settings,
                        const QString &path)
{
    QTemporaryDir work(QFileInfo(path).absolutePath() + QStringLiteral("/.dwca-XXXXXX"));
    if (!work.isValid())
        throw ExportError(QCoreApplication::translate("DarwinCoreArchive", "Kan ikke skrive i mappa %1: %2")
                              .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()), work.errorString()));
    const QString archive = work.filePath(QStringLiteral("archive.zip")); // a zip whatever path is called
    const QByteArray prefix = settings.datasetPrefix.toUtf8();
    qint64 written = 0;
    {
        ArchiveWriter writer(archive, ArchiveWriter::Compression::Fast);
        writer.addProduced(OccurrenceFile, [&](const std::function<void(QByteArray block)> &write) {
            written = produceOccurrences(program, criteria, prefix, write);
        });
        writer.addBytes(QStringLiteral("meta.xml"), metaXml());
        writer.addBytes(QStringLiteral("eml.xml"), emlXml(settings));
        writer.close();
    }
    QFile::remove(path);
    if (!QFile::rename(archive, path))
        throw ExportError(QCoreApplication::translate("DarwinCoreArchive", "Kan ikke skrive %1.")
                              .arg(QDir::toNativeSeparators(path)));
    return written;
}

} // namespace lirvenda
