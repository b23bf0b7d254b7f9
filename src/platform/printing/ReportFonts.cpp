#include "platform/printing/ReportFonts.h"

#include <QFontDatabase>

namespace {

const QString SerifFace = QStringLiteral("Noto Serif CJK SC");
const QString SansFace = QStringLiteral("Noto Sans CJK SC");

bool isInstalled(const QString& family) {
    static const QStringList families = QFontDatabase::families();
    return families.contains(family, Qt::CaseInsensitive);
}

bool isSongStyle(const QString& family) {
    return family.contains(u'宋') || family.contains(QStringLiteral("Song"), Qt::CaseInsensitive) ||
           family.contains(QStringLiteral("SimSun"), Qt::CaseInsensitive);
}

} // namespace

QString installedFontFamily(const QString& layoutFamily) {
    if (isSongStyle(layoutFamily) && isInstalled(SerifFace))
        return SerifFace;
    if (!isSongStyle(layoutFamily) && isInstalled(layoutFamily))
        return layoutFamily;
    return SansFace;
}

QFont reportFont(const ReportFont& font, double pixelsPerMm, int deviceDpi) {
    QFont result(installedFontFamily(font.family));
    result.setPointSizeF(font.pointSize * pixelsPerMm * 25.4 / deviceDpi);
    result.setBold(font.bold);
    result.setStyleStrategy(QFont::PreferAntialias);
    return result;
}
