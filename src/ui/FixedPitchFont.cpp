#include "ui/FixedPitchFont.h"

#include <QFontDatabase>
#include <QStringList>

QFont fixedPitchFont() {
    QFont font;
    font.setFamilies(QFontDatabase::systemFont(QFontDatabase::FixedFont).families());
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}
