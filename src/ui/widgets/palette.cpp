#include "palette.h"

#include <QFontDatabase>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace Look {

static const QString GothicFamily = u"ＭＳ Ｐゴシック"_s;
static const QString TahomaFamily = u"Tahoma"_s;

static QFont makeFont(const QString &family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QFont gothic(int pixels, bool bold) { return makeFont(GothicFamily, pixels, bold); }
QFont tahoma(int pixels, bool bold) { return makeFont(TahomaFamily, pixels, bold); }

void installFontSubstitutions()
{
    // Wine ships Tahoma outside fontconfig's folders; load it directly when the system lacks it.
    if (!QFontDatabase::hasFamily(TahomaFamily)) {
        for (const QString &file : {u"/usr/share/wine/fonts/tahoma.ttf"_s, u"/usr/share/wine/fonts/tahomabd.ttf"_s})
            QFontDatabase::addApplicationFont(file);
    }
    QFont::insertSubstitutions(GothicFamily, {u"IPAPGothic"_s, u"IPA Pゴシック"_s, u"Noto Sans CJK JP"_s});
    QFont::insertSubstitutions(TahomaFamily, {u"Tahoma"_s, u"DejaVu Sans"_s});
}

} // namespace Look
