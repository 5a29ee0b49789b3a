#include "MessageFont.h"

#include <QDebug>
#include <QFontDatabase>

QFont MessageFont::applicationFont()
{
    const QString family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    qDebug() << "System font =" << family;
    QFont font;
    font.setFamily(family);
    return font;
}
