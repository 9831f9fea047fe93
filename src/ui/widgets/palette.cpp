#include "palette.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace Look {

static QFont makeFont(const QString &family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QFont gothic(int pixels, bool bold)
{
    return makeFont(QString::fromUtf16(GothicFamily), pixels, bold);
}
QFont tahoma(int pixels, bool bold)
{
    return makeFont(QString::fromUtf16(TahomaFamily), pixels, bold);
}

void installFontSubstitutions()
{
    const QString gothicFamily = QString::fromUtf16(GothicFamily);
    const QString tahomaFamily = QString::fromUtf16(TahomaFamily);

    // Wine installs its Tahoma outside fontconfig's folders, so it is loaded by file name.
    if (!QFontDatabase::hasFamily(tahomaFamily)) {
        for (const QString &file :
             {u"/usr/share/wine/fonts/tahoma.ttf"_s, u"/usr/share/wine/fonts/tahomabd.ttf"_s}) {
            if (QFileInfo::exists(file))
                QFontDatabase::addApplicationFont(file);
        }
    }
    // Windows' own font wins where it is installed; the substitutes only fill the gap.
    if (!QFontDatabase::hasFamily(gothicFamily))
        QFont::insertSubstitutions(gothicFamily,
                                   {u"IPAPGothic"_s, u"IPA Pゴシック"_s, u"Noto Sans CJK JP"_s});
    if (!QFontDatabase::hasFamily(tahomaFamily))
        QFont::insertSubstitutions(tahomaFamily, {u"DejaVu Sans"_s});
}

} // namespace Look
