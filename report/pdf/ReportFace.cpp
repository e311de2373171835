#include "report/pdf/ReportFace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QStringList>

namespace tarrowin {

QString reportFacePath()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath()
                           + QStringLiteral("/../share/tarrowin/fonts/tarrowin-report-sans.ttf"));
}

QString reportFaceFamily()
{
    // Qt reads the file where it lies instead of copying its 9 MB, and keeps
    // it registered for the life of the process.
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(reportFacePath());
        return id < 0 ? QString() : QFontDatabase::applicationFontFamilies(id).value(0);
    }();
    return family;
}

}  // namespace tarrowin
