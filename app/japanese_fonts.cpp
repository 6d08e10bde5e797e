#include "japanese_fonts.h"

#ifdef Q_OS_WIN
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

#include <algorithm>
#endif

namespace {

// IPA (P) Gothic share the proportions of MS (P) Gothic, which the layout was measured with.
const QString ipaPGothic = QStringLiteral("IPAPGothic");
const QString ipaGothic = QStringLiteral("IPAGothic");

} // namespace

QStringList proportionalGothicFamilies()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
            QStringLiteral("Yu Gothic"), QStringLiteral("Meiryo"), ipaPGothic};
#else
    return {ipaPGothic};
#endif
}

QStringList columnGothicFamilies()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
            QStringLiteral("BIZ UDGothic"), ipaGothic};
#else
    return {ipaGothic};
#endif
}

void addShippedJapaneseFonts()
{
#ifdef Q_OS_WIN
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    const auto addUnlessSystemHasOne = [&folder](QStringList families, const QString& file) {
        families.removeLast(); // the shipped face itself
        if (std::none_of(families.cbegin(), families.cend(), &QFontDatabase::hasFamily))
            QFontDatabase::addApplicationFont(folder.filePath(file));
    };
    addUnlessSystemHasOne(proportionalGothicFamilies(), QStringLiteral("ipagp.ttf"));
    addUnlessSystemHasOne(columnGothicFamilies(), QStringLiteral("ipag.ttf"));
#endif
}
