#include "export/core/ExportFormats.h"

#include "export/core/AdifWriter.h"
#include "export/core/CabrilloWriter.h"

#include <QStringList>

namespace ExportFormats {

const QList<FormatInfo> &all()
{
    static const QList<FormatInfo> formats{
        {ExportFormat::Cabrillo, "cabrillo", "a Cabrillo file", "Cabrillo 3.0 (contest entry)", "log",
         "Cabrillo logs (*.log *.cbr);;All files (*)", true, &CabrilloWriter::make, &CabrilloWriter::madeByKestrix},
        {ExportFormat::Adif, "adif", "an ADIF file", "ADIF 3.1.4 (logbooks, QSL)", "adi",
         "ADIF files (*.adi);;All files (*)", false, &AdifWriter::make, &AdifWriter::madeByKestrix},
    };
    return formats;
}

const FormatInfo &info(ExportFormat format)
{
    for (const FormatInfo &f : all())
        if (f.format == format)
            return f;
    return all().first();
}

const FormatInfo *fromName(const QString &name)
{
    const QString n = name.trimmed();
    for (const FormatInfo &f : all())
        if (n.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

QString names(const char *last)
{
    QStringList list;
    for (const FormatInfo &f : all())
        list << QLatin1String(f.name);
    const QString tail = list.takeLast();
    return list.isEmpty() ? tail : list.join(QStringLiteral(", ")) + QStringLiteral(" %1 ").arg(last) + tail;
}

QString defaultFileName(const QString &call, ExportFormat format)
{
    QString base = call.trimmed().toUpper();
    base.replace(QLatin1Char('/'), QLatin1Char('_'));
    base.replace(QLatin1Char('\\'), QLatin1Char('_'));
    if (base.isEmpty() || base == QLatin1String(".") || base == QLatin1String(".."))
        base = QStringLiteral("KESTRIX");
    return base + QLatin1Char('.') + QLatin1String(info(format).suffix);
}

QString cabrilloContest(const QString &printed)
{
    return printed.trimmed().toUpper().split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QLatin1Char('-'));
}

const QStringList &categoryStations()
{
    static const QStringList list{QStringLiteral("FIXED"),         QStringLiteral("MOBILE"),
                                  QStringLiteral("PORTABLE"),      QStringLiteral("ROVER"),
                                  QStringLiteral("ROVER-LIMITED"), QStringLiteral("ROVER-UNLIMITED"),
                                  QStringLiteral("EXPEDITION"),    QStringLiteral("HQ"),
                                  QStringLiteral("SCHOOL"),        QStringLiteral("DISTRIBUTED"),
                                  QStringLiteral("EXPLORER")};
    return list;
}

const QStringList &categoryTransmitters()
{
    static const QStringList list{QStringLiteral("ONE"), QStringLiteral("TWO"), QStringLiteral("LIMITED"),
                                  QStringLiteral("UNLIMITED"), QStringLiteral("SWL")};
    return list;
}

} // namespace ExportFormats
