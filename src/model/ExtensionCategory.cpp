#include "model/ExtensionCategory.h"

#include <QCoreApplication>

namespace ondrix {

namespace {

// The key of each localised name travels as the disambiguation, so translators see "ext.cat.images".
struct CategoryText {
    const char* english;
    const char* key;
};

QString categoryName(CategoryText text)
{
    return QCoreApplication::translate("ExtensionCategory", text.english, text.key);
}

QList<ExtensionCategory> buildCategories()
{
    const auto list = [](const char* text) { return QString::fromLatin1(text).split(QStringLiteral(", ")); };
    return {
        {QStringLiteral("images"),
         categoryName(QT_TRANSLATE_NOOP3("ExtensionCategory", "Images", "ext.cat.images")),
         list("jpg, jpeg, png, tiff, tif, bmp, heic, heif, webp, gif"), false},
        {QStringLiteral("raw"), QStringLiteral("RAW"),
         list(
             "cr2, cr3, nef, nrw, arw, srf, sr2, raf, orf, rw2, pef, dng, x3f, 3fr, fff, iiq, mos, mrw, rwl, "
             "srw, erf, mef, gpr"),
         false},
        {QStringLiteral("video"),
         categoryName(QT_TRANSLATE_NOOP3("ExtensionCategory", "Video", "ext.cat.video")),
         list("mp4, mov, avi, mkv, mts, m2ts, mxf, r3d, braw, prores"), false},
        {QStringLiteral("audio"),
         categoryName(QT_TRANSLATE_NOOP3("ExtensionCategory", "Audio", "ext.cat.audio")),
         list("mp3, wav, aiff, aif, aac, flac"), false},
        {QStringLiteral("documents"),
         categoryName(QT_TRANSLATE_NOOP3("ExtensionCategory", "Documents", "ext.cat.documents")),
         list("pdf, docx, xlsx, xls, csv, txt, xml, json, zip"), false},
        {QStringLiteral("temp"),
         categoryName(QT_TRANSLATE_NOOP3("ExtensionCategory", "Temporary files", "ext.cat.temp")),
         list("tmp, temp, part, crdownload, download, partial, thumbs.db, ds_store"), true},
    };
}

} // namespace

const QList<ExtensionCategory>& ExtensionCategory::all()
{
    static const QList<ExtensionCategory> categories = buildCategories();
    return categories;
}

} // namespace ondrix
