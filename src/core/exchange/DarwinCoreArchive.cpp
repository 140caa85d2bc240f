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

QString isoInstant(const QString &stored)
{
    const QDateTime instant = storedMoment(stored);
    if (!instant.isValid())
        return {};
    return instant.time() == QTime(0, 0) ? stored.left(10) : stored.left(10) + QLatin1Char('T') + stored.mid(11);
}

// The start, or the interval from start to stop when the stop is another moment.
QString eventDate(const ExportRow &row)
{
    const QString start = isoInstant(row.start), stop = isoInstant(row.stop);
    return stop.isEmpty() || stop == start ? start : start + QLatin1Char('/') + stop;
}

QString sexTerm(const QString &sex)
{
    static const QHash<QString, QString> terms = {{QStringLiteral("Hann"), QStringLiteral("male")},
                                                  {QStringLiteral("Hunn"), QStringLiteral("female")},
                                                  {QStringLiteral("I par"), QStringLiteral("male | female")}};
    return terms.value(sex, sex);
}

// A field of occurrence.txt, whose fields are never quoted: a tab or line break in a text
// becomes a blank.
void appendField(QByteArray &line, const QString &text)
{
    if (!line.isEmpty())
        line += '\t';
    const qsizetype from = line.size();
    line += text.toUtf8();
    for (qsizetype i = from; i < line.size(); ++i)
        if (line[i] == '\t' || line[i] == '\n' || line[i] == '\r')
            line[i] = ' ';
}

void writeOccurrences(Program &program, const ArchiveCriteria &criteria, const QString &prefix, QFile &file,
                      qint64 &written)
{
    QStringList header;
    for (const DarwinCoreTerm &term : occurrenceTerms())
        header << term.name;
    QByteArray block = header.join(QLatin1Char('\t')).toUtf8() + '\n';
    written = forEachExportRow(program, criteria, [&](const ExportRow &row) {
        block += occurrenceLine(row, prefix) + '\n';
        if (block.size() >= (1 << 16)) {
            if (file.write(block) != block.size())
                throw ExportError(file.errorString());
            block.clear();
        }
    });
    if (file.write(block) != block.size() || !file.flush())
        throw ExportError(file.errorString());
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

QByteArray occurrenceLine(const ExportRow &row, const QString &datasetPrefix)
{
    const QString latitude = decimalCoordinate(row.latitude), longitude = decimalCoordinate(row.longitude);
    const bool located = !latitude.isEmpty() && !longitude.isEmpty();
    QByteArray line;
    line.reserve(512);
    for (const QString &field : {
             datasetPrefix + (row.uniqueId.isEmpty() ? QString::number(row.obsId) : row.uniqueId),
             QStringLiteral("HumanObservation"),
             eventDate(row),
             row.scientificName(),
             row.vernacularName,
             QStringLiteral("Animalia"),
             row.taxonClass,
             QStringLiteral("species"),
             row.count ? QString::number(*row.count) : QString(),
             row.count == 0 ? QStringLiteral("absent") : QStringLiteral("present"),
             sexTerm(row.sex),
             row.age,
             row.activity,
             row.comment,
             row.observerNames.join(QStringLiteral(" | ")),
             row.locality,
             row.municipalityName,
             row.countyName,
             row.countyName,
             row.placeCode.isEmpty() ? QString() : QStringLiteral("NO"),
             located ? latitude : QString(),
             located ? longitude : QString(),
             located ? QStringLiteral("WGS84") : QString(),
         })
        appendField(line, field);
    return line;
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
    QFile occurrences(work.filePath(OccurrenceFile));
    if (!occurrences.open(QIODevice::WriteOnly))
        throw ExportError(occurrences.errorString());
    qint64 written = 0;
    writeOccurrences(program, criteria, settings.datasetPrefix, occurrences, written);
    occurrences.close();
    const QString archive = work.filePath(QStringLiteral("archive.zip")); // a zip whatever path is called
    {
        ArchiveWriter writer(archive, ArchiveWriter::Compression::Fast);
        writer.addFile(OccurrenceFile, occurrences.fileName());
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
