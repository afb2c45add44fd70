#include "model/FilterPresets.h"

#include "model/ExtensionFilter.h"

#include <QCoreApplication>

namespace ondrix {

namespace {

const char* const photoList =
    "jpg, jpeg, png, tiff, tif, bmp, heic, heif, webp, gif, cr2, cr3, nef, nrw, arw, "
    "srf, sr2, raf, orf, rw2, pef, dng, x3f, 3fr, fff, iiq, mos, mrw, rwl, srw, erf, "
    "mef, gpr, xmp, pp3, dop, cos, kdc, dcr, cap";
const char* const temporaryList = "tmp, temp, part, crdownload, download, partial, thumbs.db, ds_store";

FilterPreset preset(const char* id, const char* name, const char* description, const char* extensions,
                    bool exclude = false)
{
    return {QString::fromLatin1(id), QCoreApplication::translate("FilterPresets", name),
            QCoreApplication::translate("FilterPresets", description), QString::fromLatin1(extensions),
            exclude};
}

QList<FilterPreset> buildTable()
{
    return {
        preset(FilterPresets::allFilesId, QT_TRANSLATE_NOOP("FilterPresets", "All files (no filter)"),
               QT_TRANSLATE_NOOP("FilterPresets", "Downloads every file without filtering"), ""),
        preset(FilterPresets::allExceptTempId,
               QT_TRANSLATE_NOOP("FilterPresets", "All except temporaries (recommended)"),
               QT_TRANSLATE_NOOP("FilterPresets", "Downloads everything, ignores temp/partial files"),
               temporaryList, true),
        preset("photography", QT_TRANSLATE_NOOP("FilterPresets", "Photography"),
               QT_TRANSLATE_NOOP("FilterPresets", "RAW, processed images and sidecar files"), photoList),
        preset("ecommerce", QT_TRANSLATE_NOOP("FilterPresets", "E-commerce / Data"),
               QT_TRANSLATE_NOOP("FilterPresets", "CSV, Excel, XML, JSON and EDI files"),
               "csv, xlsx, xls, xml, json, edi, txt, pdf, zip"),
        preset("audiovisual", QT_TRANSLATE_NOOP("FilterPresets", "Audiovisual"),
               QT_TRANSLATE_NOOP("FilterPresets", "Video, audio, subtitles and editing formats"),
               "mp4, mov, avi, mkv, mts, m2ts, mxf, r3d, braw, prores, wav, aif, aiff, mp3, aac, flac, xml, "
               "edl, "
               "aaf, omf, srt, vtt"),
        preset("health", QT_TRANSLATE_NOOP("FilterPresets", "Health / Compliance"),
               QT_TRANSLATE_NOOP("FilterPresets", "Medical, HL7, DICOM and encrypted files"),
               "pdf, hl7, xml, json, csv, dcm, txt, zip, pgp, gpg"),
        preset("finance", QT_TRANSLATE_NOOP("FilterPresets", "Finance / Accounting"),
               QT_TRANSLATE_NOOP("FilterPresets", "Banking, invoicing and financial data"),
               "csv, xlsx, xls, xml, pdf, ofx, qfx, qbo, mt940, bai, bai2, edi, txt, zip"),
        preset("data_analytics", QT_TRANSLATE_NOOP("FilterPresets", "Data / Analytics"),
               QT_TRANSLATE_NOOP("FilterPresets", "Datasets, compressed archives and query formats"),
               "csv, tsv, xlsx, json, xml, parquet, avro, zip, gz, tar, sql"),
        preset(
            "research", QT_TRANSLATE_NOOP("FilterPresets", "Research / Science"),
            QT_TRANSLATE_NOOP("FilterPresets", "Scientific data, genomics and simulation files"),
            "csv, tsv, hdf5, h5, nc, fits, dat, txt, json, xml, zip, tar, gz, fasta, fastq, bam, sam, vcf"),
        preset("agency", QT_TRANSLATE_NOOP("FilterPresets", "Agency / Creative"),
               QT_TRANSLATE_NOOP("FilterPresets", "Design, photography and creative assets"),
               "jpg, jpeg, png, tiff, tif, psd, ai, eps, svg, pdf, mp4, mov, gif, webp, indd, zip"),
        preset("it_integrations", QT_TRANSLATE_NOOP("FilterPresets", "IT / Integrations"),
               QT_TRANSLATE_NOOP("FilterPresets", "Config, logs, backups and data exchange"),
               "csv, json, xml, log, sql, zip, gz, tar, bak, cfg, yaml, yml"),
        preset("print_graphics", QT_TRANSLATE_NOOP("FilterPresets", "Print / Graphics"),
               QT_TRANSLATE_NOOP("FilterPresets", "Print-ready, prepress and design files"),
               "pdf, tiff, tif, jpg, jpeg, eps, ai, psd, indd, zip, png, svg"),
        preset("photos", QT_TRANSLATE_NOOP("FilterPresets", "Photos only"),
               QT_TRANSLATE_NOOP("FilterPresets", "RAW + processed image formats"), photoList),
        preset("video", QT_TRANSLATE_NOOP("FilterPresets", "Video only"),
               QT_TRANSLATE_NOOP("FilterPresets", "Common video and cinema formats"),
               "mp4, mov, avi, mkv, mts, m2ts, mxf, r3d, braw, prores"),
        preset(FilterPresets::customId, QT_TRANSLATE_NOOP("FilterPresets", "Custom"),
               QT_TRANSLATE_NOOP("FilterPresets", "Define your own extensions"), ""),
    };
}

bool listsEqual(const FilterPreset& preset, const QSet<QString>& included, const QSet<QString>& excluded)
{
    const ExtensionLists lists = FilterPresets::listsOf(preset);
    return FilterPresets::extensionSet(lists.included) == included &&
           FilterPresets::extensionSet(lists.excluded) == excluded;
}

} // namespace

size_t qHash(const FilterPreset& preset, size_t seed) noexcept
{
    return qHashMulti(seed, preset.id, preset.name, preset.description, preset.extensions, preset.exclude);
}

namespace FilterPresets {

QString tempList()
{
    return QString::fromLatin1(temporaryList);
}

const QList<FilterPreset>& all()
{
    static const QList<FilterPreset> table = buildTable();
    return table;
}

std::optional<FilterPreset> byId(const QString& id)
{
    for (const FilterPreset& preset : all()) {
        if (preset.id == id) {
            return preset;
        }
    }
    return std::nullopt;
}

QSet<QString> extensionSet(const QString& text)
{
    return ExtensionFilter::parse(text);
}

ExtensionLists listsOf(const FilterPreset& preset)
{
    ExtensionLists lists;
    lists.included = preset.exclude ? QString() : preset.extensions;
    if (preset.id == QLatin1String(allFilesId)) {
        lists.excluded = QString();
    } else if (preset.exclude) {
        lists.excluded = preset.extensions;
    } else {
        lists.excluded = tempList();
    }
    return lists;
}

FilterPreset matchingPreset(const QString& included, const QString& excluded)
{
    const QSet<QString> includedSet = extensionSet(included);
    const QSet<QString> excludedSet = extensionSet(excluded);
    for (const FilterPreset& preset : all()) {
        if (preset.id != QLatin1String(customId) && listsEqual(preset, includedSet, excludedSet)) {
            return preset;
        }
    }
    if (includedSet.isEmpty() && excludedSet == extensionSet(tempList())) {
        return *byId(QString::fromLatin1(allExceptTempId));
    }
    return *byId(QString::fromLatin1(customId));
}

bool listsChanged(const FilterPreset& preset, const QString& included, const QString& excluded)
{
    if (preset.id == QLatin1String(customId)) {
        return false;
    }
    return !listsEqual(preset, extensionSet(included), extensionSet(excluded));
}

} // namespace FilterPresets

} // namespace ondrix
